// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "CachedPicture.h"

#include <QPainter>
#include <QPixmapCache>

namespace vesk::CachedPicture {

QPixmap get(const QString &key, QSize size, qreal ratio,
            const std::function<void(QPainter &)> &paint)
{
    const QString fullKey =
        QStringLiteral("%1|%2x%3|%4").arg(key).arg(size.width()).arg(size.height()).arg(ratio);
    QPixmap picture;
    if (QPixmapCache::find(fullKey, &picture))
        return picture;
    picture = QPixmap((QSizeF(size) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(painter);
    painter.end();
    QPixmapCache::insert(fullKey, picture);
    return picture;
}

} // namespace vesk::CachedPicture
