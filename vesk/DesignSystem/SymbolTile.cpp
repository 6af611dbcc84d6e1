// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SymbolTile.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "Icons.h"
#include "Palette.h"

#include <QPainter>

namespace vesk {

SymbolTile::SymbolTile(const QString &symbol, int side, qreal symbolSize, qreal radius,
                       QWidget *parent)
    : QWidget(parent), m_symbol(symbol), m_symbolSize(symbolSize), m_radius(radius)
{
    setFixedSize(side, side);
    AccessibleFactory::install();
}

void SymbolTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::wash());
    painter.drawRoundedRect(QRectF(rect()), m_radius, m_radius);
    const QRectF area(rect());
    Icons::paint(painter,
                 QRectF(area.center().x() - m_symbolSize / 2, area.center().y() - m_symbolSize / 2,
                        m_symbolSize, m_symbolSize),
                 m_symbol, Palette::accent());
}

} // namespace vesk
