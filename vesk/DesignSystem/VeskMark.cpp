// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskMark.h"

#include "CachedPicture.h"
#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DeviceRatio.h"
#include "Palette.h"
#include "VeskLeaf.h"

#include <QLinearGradient>
#include <QPainter>

namespace vesk {

VeskMark::VeskMark(bool tile, QWidget *parent) : QWidget(parent), m_tile(tile)
{
    AccessibleFactory::install();
}

void VeskMark::paint(QPainter &painter, const QRectF &rect, bool tile)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.translate(rect.topLeft());
    const QSizeF size = rect.size();

    if (tile) {
        painter.setBrush(Palette::color(Palette::Role::markTile));
        painter.drawRoundedRect(QRectF(QPointF(0, 0), size), tileRadius, tileRadius);
    }

    // The lower leaf with its soft shadow 2 below, graphite at 0.1 spread
    // over about 2 points.
    const QPainterPath lower = VeskLeaf::path(true, size);
    QColor shadow = Palette::graphite();
    for (const qreal spread : {0.0, 0.7, 1.4}) {
        shadow.setAlphaF(0.1f / 3.0f);
        painter.setBrush(shadow);
        painter.drawPath(lower.translated(0, 2 + spread * 0.5));
    }
    painter.setBrush(Palette::color(Palette::Role::markLowerLeaf));
    painter.drawPath(lower);

    QLinearGradient gradient(QPointF(size.width(), 0), QPointF(0, size.height()));
    gradient.setColorAt(0, Palette::green());
    gradient.setColorAt(1, Palette::graphite());
    painter.setBrush(gradient);
    painter.drawPath(VeskLeaf::path(false, size));
    painter.restore();
}

void VeskMark::paintEvent(QPaintEvent *)
{
    // The mark looks the same in both appearances: one picture per size and
    // pixel ratio.
    const int side = qMin(width(), height());
    if (side <= 0)
        return;
    QPainter painter(this);
    const QPixmap picture = CachedPicture::get(
        QStringLiteral("vesk-mark|%1").arg(m_tile), QSize(side, side), deviceRatio(painter),
        [this, side](QPainter &offscreen) { paint(offscreen, QRectF(0, 0, side, side), m_tile); });
    painter.drawPixmap(QPointF((width() - side) / 2.0, (height() - side) / 2.0), picture);
}

} // namespace vesk
