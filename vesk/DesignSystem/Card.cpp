// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Card.h"

#include "DeviceRatio.h"

#include "Palette.h"

#include <QPainter>
#include <QPixmapCache>
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
// Nine-patch stretching: corners as they are, edges stretched along. The
// middle is the opaque fill and is filled, not stretched: a pixmap scaled
// over most of a card blends every pixel, which at ratio 2 on a large window
// cost a third of a repaint. Source rectangles count the frame's device
// pixels, so the corners stay sharp at any pixel ratio (qDrawBorderPixmap
// mixes device and logical pixels when the ratio is not 1).
void stretchFrame(QPainter &painter, const QRect &target, const QMargins &margins,
                  const QPixmap &frame, const QColor &middle)
{
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
            const QRectF to(QPointF(targetX[column], targetY[row]),
                            QPointF(targetX[column + 1], targetY[row + 1]));
            if (column == 1 && row == 1) {
                painter.fillRect(to, middle);
                continue;
            }
            const QRectF from(QPointF(sourceX[column], sourceY[row]) * ratio,
                              QPointF(sourceX[column + 1], sourceY[row + 1]) * ratio);
            if (!to.isEmpty())
                painter.drawPixmap(to, frame, from);
        }
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

QPixmap Card::frame(qreal ratio)
{
    // Antialiasing a rounded rectangle the size of a card, four times over,
    // cost more than everything else a screen paints; the corners and edges
    // are drawn once per colour and scale, and stretched over the card.
    const QColor fill = Palette::card();
    const QColor edge = Palette::color(Palette::Role::secondary, 0.1);
    const QString key =
        QStringLiteral("vesk-card-%1-%2-%3").arg(fill.rgba()).arg(edge.rgba()).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const QMargins margins = frameMargins();
    const QSize size(margins.left() + margins.right() + 1, margins.top() + margins.bottom() + 1);
    pixmap = QPixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintSurface(painter, QRectF(QPointF(0, 0), size), fill, edge);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
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
