// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "MintBars.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "Palette.h"

#include <QPainter>

namespace vesk {

MintBars::MintBars(QWidget *parent) : QWidget(parent)
{
    AccessibleFactory::install();
    setFixedHeight(barHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void MintBars::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::mint());
    const qreal bar = (width() - gap * (count - 1)) / qreal(count);
    for (int i = 0; i < count; ++i)
        painter.drawRoundedRect(QRectF(i * (bar + gap), 0, bar, barHeight), 2, 2);
}

} // namespace vesk
