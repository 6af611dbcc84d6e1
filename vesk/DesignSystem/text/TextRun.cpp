// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TextRun.h"

#include <QFontMetricsF>
#include <QPainter>

namespace vesk {

void TextRun::paint(QPainter &painter) const
{
    painter.setFont(font);
    painter.setPen(Palette::color(role));
    const QString shown =
        elide == Qt::ElideNone ? text : QFontMetricsF(font).elidedText(text, elide, rect.width());
    painter.drawText(rect, int(alignment) | Qt::TextForceLeftToRight, shown);
}

QList<AccessibleKind::PaintedText> TextRun::heardTexts(const QList<TextRun> &runs)
{
    QList<AccessibleKind::PaintedText> texts;
    for (const TextRun &run : runs) {
        if (run.heard)
            texts << AccessibleKind::PaintedText{run.text, run.rect.toAlignedRect()};
    }
    return texts;
}

} // namespace vesk
