// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AppIconEngine.h"

#include "DesignSystem/DeviceRatio.h"
#include "DesignSystem/VeskMark.h"

#include <QImage>
#include <QPainter>

namespace vesk {

QIcon AppIconEngine::icon()
{
    return QIcon(new AppIconEngine);
}

void AppIconEngine::paint(QPainter &painter, const QRectF &rect)
{
    const qreal side = qMin(rect.width(), rect.height());
    if (side <= 0)
        return;
    const qreal tile = side * 14 / 16;
    painter.save();
    painter.translate(rect.center() - QPointF(tile / 2, tile / 2));
    painter.scale(tile / designSide, tile / designSide);
    VeskMark::paint(painter, QRectF(0, 0, designSide, designSide), true);
    painter.restore();
}

QImage AppIconEngine::image(int side)
{
    QImage result(side, side, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    paint(painter, QRectF(0, 0, side, side));
    return result;
}

void AppIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State)
{
    paint(*painter, QRectF(rect));
}

QPixmap AppIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap AppIconEngine::scaledPixmap(const QSize &size, QIcon::Mode, QIcon::State, qreal scale)
{
    // The icon is square; a non-square request gets it centred.
    const QSize pixels = iconPixelSize(size, scale);
    QPixmap result(pixels);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    result.setDevicePixelRatio(scale);
    return result;
}

QList<QSize> AppIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const int side : pixelSides)
        sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine *AppIconEngine::clone() const
{
    return new AppIconEngine;
}

QString AppIconEngine::key() const
{
    return QStringLiteral("vesk-app-icon");
}

} // namespace vesk
