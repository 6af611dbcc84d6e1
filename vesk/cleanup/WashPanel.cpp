// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "WashPanel.h"

#include "DesignSystem/Palette.h"

#include <QPainter>

namespace vesk {

WashPanel::WashPanel(qreal radius, QWidget *parent) : QWidget(parent), m_radius(radius) {}

void WashPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::wash());
    painter.drawRoundedRect(QRectF(rect()), m_radius, m_radius);
}

} // namespace vesk
