// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DeviceRatio.h"

#include <QPaintEngine>
#include <QPainter>

namespace vesk {

qreal deviceRatio(const QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    const QPaintDevice *target = engine ? engine->paintDevice() : nullptr;
    if (!target)
        target = painter.device();
    return target ? target->devicePixelRatioF() : 1.0;
}

QSize iconPixelSize(const QSize &requested, qreal scale)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return (QSizeF(requested) * scale).toSize();
#else
    Q_UNUSED(scale)
    return requested;
#endif
}

} // namespace vesk
