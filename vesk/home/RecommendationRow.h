// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"
#include "DesignSystem/text/TextRun.h"

#include <QAbstractButton>

namespace vesk {

// One shortcut of the home screen: a symbol on a soft tile, a title over a
// subtitle, and a chevron; the whole row is the button.
class RecommendationRow : public QAbstractButton, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }
    // The subtitle, beside the title its name reads.
    QList<PaintedText> paintedTexts() const override;

    RecommendationRow(const QString &symbol, const QString &title, const QString &subtitle,
                      QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where the title and the subtitle are drawn.
    // The title (its name) over the subtitle, as painted and as read.
    QList<TextRun> textRuns() const;
    QString m_symbol;
    QString m_subtitle;
};

} // namespace vesk
