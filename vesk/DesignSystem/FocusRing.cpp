// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "FocusRing.h"

#include <QPainter>
#include <QWidget>

namespace vesk::FocusRing {

bool isVisible(const QWidget &widget)
{
    const QWidget *window = widget.window();
    return widget.hasFocus() && window && window->testAttribute(Qt::WA_KeyboardFocusChange);
}

void paint(QPainter &painter, const QRectF &area, qreal radius, const QColor &color)
{
    const qreal inset = penWidth / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, penWidth));
    const qreal r = std::max<qreal>(0, radius - inset);
    painter.drawRoundedRect(area.adjusted(inset, inset, -inset, -inset), r, r);
    const qreal innerInset = penWidth + innerWidth / 2;
    const qreal innerRadius = std::max<qreal>(0, radius - innerInset);
    painter.setPen(QPen(Palette::white(), innerWidth));
    painter.drawRoundedRect(area.adjusted(innerInset, innerInset, -innerInset, -innerInset),
                            innerRadius, innerRadius);
    painter.restore();
}

void paintIfVisible(QPainter &painter, const QWidget &widget, const QRectF &area, qreal radius,
                    const QColor &color)
{
    if (isVisible(widget))
        paint(painter, area, radius, color);
}

} // namespace vesk::FocusRing
