// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Icons.h"

#include "DeviceRatio.h"

#include "SymbolIconEngine.h"

#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace vesk::Icons {

namespace {

QString resourcePath(const QString &symbol)
{
    return QStringLiteral(":/icons/%1.svg").arg(symbol);
}

QPixmap render(const QString &symbol, QSize logicalSize, qreal ratio, const QColor &color)
{
    const QString key = QStringLiteral("vesk-symbol|%1|%2x%3|%4|%5")
                            .arg(symbol)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(ratio)
                            .arg(color.name(QColor::HexArgb));
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    const QSize deviceSize = (QSizeF(logicalSize) * ratio).toSize();
    pixmap = QPixmap(deviceSize);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer renderer(resourcePath(symbol));
        if (renderer.isValid()) {
            renderer.setAspectRatioMode(Qt::KeepAspectRatio);
            renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(deviceSize)));
        } else {
            // Neutral fallback: a dotted circle, never a crash or a blank.
            const qreal side = qMin(deviceSize.width(), deviceSize.height());
            const qreal pen = qMax(1.0, side / 12);
            p.setPen(QPen(Qt::black, pen, Qt::DotLine, Qt::RoundCap));
            p.drawEllipse(QRectF(QPointF(pen, pen), QSizeF(side - 2 * pen, side - 2 * pen)));
        }
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(pixmap.rect(), color);
    }
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace

bool exists(const QString &symbol)
{
    return QFile::exists(resourcePath(symbol));
}

void paint(QPainter &painter, const QRectF &rect, const QString &symbol, const QColor &color)
{
    const qreal side = qMin(rect.width(), rect.height());
    if (side <= 0)
        return;
    const qreal ratio = deviceRatio(painter);
    const QSize size(qCeil(side), qCeil(side));
    const QPixmap pixmap = render(symbol, size, ratio, color);
    const QPointF topLeft(rect.center().x() - size.width() / 2.0,
                          rect.center().y() - size.height() / 2.0);
    painter.drawPixmap(topLeft, pixmap);
}

QIcon icon(const QString &symbol, Palette::Role role)
{
    return QIcon(new SymbolIconEngine(symbol, role));
}

} // namespace vesk::Icons
