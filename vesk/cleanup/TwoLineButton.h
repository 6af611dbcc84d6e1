// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"
#include "DesignSystem/text/TextRun.h"

#include <QAbstractButton>

namespace vesk {

// A plain button that is a title over a smaller secondary line, aligned to the
// start and filling its width; the whole rectangle is clickable.
class TwoLineButton : public QAbstractButton, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    TwoLineButton(const QString &title, const QString &detail, QWidget *parent = nullptr);

    QString detail() const { return m_detail; }
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }
    // The detail line, under the title its name reads.
    QList<PaintedText> paintedTexts() const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where the detail line is drawn.
    // The title (its name) over the detail, as painted and as read.
    QList<TextRun> textRuns() const;

    QString m_detail;
    mutable QSize m_sizeHint; // measuring shapes both lines: once is enough
};

} // namespace vesk
