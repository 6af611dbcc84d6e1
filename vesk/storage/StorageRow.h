// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"
#include "DesignSystem/text/TextRun.h"

#include <QAbstractButton>
#include <QRectF>

namespace vesk {

// A row of the storage screen's lists, drawn as one button: a symbol, a
// title over an optional secondary line, trailing texts, and a chevron. The
// compact form (mosaic list) puts everything on one line.
class StorageRow : public QAbstractButton, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    struct Content
    {
        QString symbol;
        QString title;
        QString subtitle;     // elided in the middle; may be empty
        QString trailing;     // the size
        QString trailingNote; // under the size (two-line form) or before it (compact)
    };

    StorageRow(const Content &content, bool compact, QWidget *parent = nullptr);

    const Content &content() const { return m_content; }
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }
    // The texts beside the title its name reads.
    QList<PaintedText> paintedTexts() const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where each text goes at the current size.
    struct Placement
    {
        QRectF title;
        QRectF subtitle;
        QRectF trailing;
        QRectF trailingNote;
    };
    Placement placement() const;
    // The title (its name) and the texts around it, as painted and in
    // reading order.
    QList<TextRun> textRuns() const;

    Content m_content;
    bool m_compact;
};

} // namespace vesk
