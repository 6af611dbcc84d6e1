// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TiltedMark.h"

#include "DesignSystem/CachedPicture.h"
#include "DesignSystem/DeviceRatio.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/VeskMark.h"
#include "DesignSystem/accessibility/AccessibleFactory.h"

#include <QPainter>

namespace vesk {

TiltedMark::TiltedMark(QWidget *parent) : QWidget(parent)
{
    setFixedSize(circleSide, circleSide);
    AccessibleFactory::install();
}

void TiltedMark::paintEvent(QPaintEvent *)
{
    // Turned leaves on a circle: filled once per appearance and pixel ratio.
    QPainter painter(this);
    const QColor circle = Palette::wash();
    const QPixmap picture = CachedPicture::get(
        QStringLiteral("vesk-tilted-mark|%1").arg(circle.rgba()), size(), deviceRatio(painter),
        [this, circle](QPainter &offscreen) {
            offscreen.setRenderHint(QPainter::Antialiasing);
            const QPointF centre = QRectF(rect()).center();
            offscreen.setPen(Qt::NoPen);
            offscreen.setBrush(circle);
            offscreen.drawEllipse(centre, circleSide / 2.0, circleSide / 2.0);
            offscreen.translate(centre);
            offscreen.rotate(tiltDegrees);
            VeskMark::paint(offscreen, QRectF(-markSide / 2.0, -markSide / 2.0, markSide, markSide),
                            false);
        });
    painter.drawPixmap(0, 0, picture);
}

} // namespace vesk
