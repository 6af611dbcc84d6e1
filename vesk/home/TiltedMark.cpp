// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TiltedMark.h"

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
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = QRectF(rect()).center();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::wash());
    painter.drawEllipse(centre, circleSide / 2.0, circleSide / 2.0);
    painter.translate(centre);
    painter.rotate(tiltDegrees);
    VeskMark::paint(painter, QRectF(-markSide / 2.0, -markSide / 2.0, markSide, markSide), false);
}

} // namespace vesk
