// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QPixmap>
#include <QString>

#include <functional>

class QPainter;

namespace vesk::CachedPicture {

// What `paint` draws in a `size` area (logical pixels, from (0, 0)), as a
// pixmap at device pixel ratio `ratio`, drawn once and then kept in the
// pixmap cache under `key` with the size and ratio. For pictures of curves
// that do not change while their widget is moved, resized around or painted
// again: filling antialiased paths costs far more than copying pixels. The
// key names everything else the picture depends on (its colours, its data).
QPixmap get(const QString &key, QSize size, qreal ratio,
            const std::function<void(QPainter &)> &paint);

} // namespace vesk::CachedPicture
