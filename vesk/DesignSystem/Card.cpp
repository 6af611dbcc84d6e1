// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Card.h"

#include "CachedPicture.h"
#include "DeviceRatio.h"

#include "Palette.h"

#include <QPainter>
#include <QVBoxLayout>

namespace vesk {

namespace {
// The rounded surface with its border and a faint shadow (black at 0.018,
// blurred over a few pixels, 3 below), drawn into `bounds`.
void paintSurface(QPainter &painter, const QRectF &bounds, const QColor &fill, const QColor &edge)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF surface = bounds.adjusted(0.5, 0.5, -0.5, -0.5 - Card::shadowBand);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 3));
    for (int step = 1; step <= Card::shadowBand; ++step)
        painter.drawRoundedRect(surface.translated(0, step).adjusted(-0.5, 0, 0.5, 0), Card::radius,
                                Card::radius);
    painter.setBrush(fill);
    painter.setPen(QPen(edge, 1));
    painter.drawRoundedRect(surface, Card::radius, Card::radius);
}
// Nine-patch stretching: corners as they are, the outer band of each side
// stretched along it. The rest is the opaque fill and is filled, not
// stretched: a pixmap scaled over most of a card blends every pixel, which at
// ratio 2 on a large window cost a third of a repaint. Source rectangles
// count the frame's device pixels, so the corners stay sharp at any pixel
// ratio (qDrawBorderPixmap mixes device and logical pixels when the ratio is
// not 1).
void stretchFrame(QPainter &painter, const QRect &target, const QMargins &margins,
                  const QPixmap &frame, const QColor &middle)
{
    const QMargins edges = Card::edgeMargins();
    const qreal ratio = frame.devicePixelRatio();
    const QSizeF size = frame.deviceIndependentSize();
    const qreal sourceX[] = {0, qreal(margins.left()), size.width() - margins.right(),
                             size.width()};
    const qreal sourceY[] = {0, qreal(margins.top()), size.height() - margins.bottom(),
                             size.height()};
    const qreal targetX[] = {qreal(target.left()), qreal(target.left() + margins.left()),
                             qreal(target.right() + 1 - margins.right()),
                             qreal(target.right() + 1)};
    const qreal targetY[] = {qreal(target.top()), qreal(target.top() + margins.top()),
                             qreal(target.bottom() + 1 - margins.bottom()),
                             qreal(target.bottom() + 1)};
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) {
            QRectF to(QPointF(targetX[column], targetY[row]),
                      QPointF(targetX[column + 1], targetY[row + 1]));
            QRectF from(QPointF(sourceX[column], sourceY[row]) * ratio,
                        QPointF(sourceX[column + 1], sourceY[row + 1]) * ratio);
            // Along the sides only the outer band differs from the fill.
            if (column == 1 && row == 1) {
                continue;
            } else if (column == 1 && row == 0) {
                to.setBottom(to.top() + edges.top());
                from.setBottom(from.top() + edges.top() * ratio);
            } else if (column == 1 && row == 2) {
                to.setTop(to.bottom() - edges.bottom());
                from.setTop(from.bottom() - edges.bottom() * ratio);
            } else if (column == 0 && row == 1) {
                to.setRight(to.left() + edges.left());
                from.setRight(from.left() + edges.left() * ratio);
            } else if (column == 2 && row == 1) {
                to.setLeft(to.right() - edges.right());
                from.setLeft(from.right() - edges.right() * ratio);
            }
            if (!to.isEmpty())
                painter.drawPixmap(to, frame, from);
        }
    }
    // The rest is the fill: the middle and the inner part of each side.
    const QRectF across(QPointF(targetX[0] + edges.left(), targetY[1]),
                        QPointF(targetX[3] - edges.right(), targetY[2]));
    const QRectF above(QPointF(targetX[1], targetY[0] + edges.top()),
                       QPointF(targetX[2], targetY[1]));
    const QRectF below(QPointF(targetX[1], targetY[2]),
                       QPointF(targetX[2], targetY[3] - edges.bottom()));
    for (const QRectF &part : {across, above, below}) {
        if (!part.isEmpty())
            painter.fillRect(part, middle);
    }
}
} // namespace

Card::Card(int padding, QWidget *parent)
    : QWidget(parent), m_padding(padding), m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(padding, padding, padding, padding + shadowBand);
    m_layout->setSpacing(0);
}

QMargins Card::frameMargins()
{
    return {radius + 1, radius + 1, radius + 1, radius + 1 + shadowBand};
}

QMargins Card::edgeMargins()
{
    // The border is one pixel wide and the shadow lies below it.
    return {2, 2, 2, 2 + shadowBand};
}

QPixmap Card::frame(qreal ratio)
{
    // Antialiasing a rounded rectangle the size of a card, four times over,
    // cost more than everything else a screen paints; the corners and edges
    // are drawn once per colour and scale, and stretched over the card.
    const QColor fill = Palette::card();
    const QColor edge = Palette::color(Palette::Role::secondary, 0.1);
    const QMargins margins = frameMargins();
    const QSize size(margins.left() + margins.right() + 1, margins.top() + margins.bottom() + 1);
    return CachedPicture::get(
        QStringLiteral("vesk-card|%1|%2").arg(fill.rgba()).arg(edge.rgba()), size, ratio,
        [&](QPainter &painter) { paintSurface(painter, QRectF(QPointF(0, 0), size), fill, edge); });
}

void Card::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QMargins margins = frameMargins();
    if (width() < margins.left() + margins.right() || height() < margins.top() + margins.bottom()) {
        // Too small to stretch the frame: draw the surface directly.
        paintSurface(painter, rect(), Palette::card(),
                     Palette::color(Palette::Role::secondary, 0.1));
        return;
    }
    stretchFrame(painter, rect(), margins, frame(deviceRatio(painter)), Palette::card());
}

} // namespace vesk
