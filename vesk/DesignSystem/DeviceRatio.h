// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QSize>
#include <QtGlobal>

class QPainter;

namespace vesk {

// The pixel ratio of what a painter really paints on. QPainter::device() is
// the widget even while QWidget::render() redirects its painting into a
// pixmap of another ratio, so pictures made for a ratio ask the paint engine
// for its target instead.
qreal deviceRatio(const QPainter &painter);

// The size in device pixels of the pixmap an icon engine's scaledPixmap()
// is asked for. Before Qt 6.8 the requested size already counts device
// pixels; from 6.8 on it is in device-independent pixels, to be multiplied
// by `scale`.
QSize iconPixelSize(const QSize &requested, qreal scale);

} // namespace vesk
