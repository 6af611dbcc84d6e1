// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "IconButton.h"

#include "DesignSystem/FocusRing.h"
#include "DesignSystem/Icons.h"

#include <QPainter>

namespace vesk {

IconButton::IconButton(const QString &symbol, qreal size, Palette::Role role,
                       const QString &accessibleName, QWidget *parent)
    : QAbstractButton(parent), m_symbol(symbol), m_size(size), m_role(role)
{
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize IconButton::sizeHint() const
{
    const int side = qCeil(m_size) + 8;
    return {side, side};
}

void IconButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(rect());
    const QRectF symbol(area.center().x() - m_size / 2, area.center().y() - m_size / 2, m_size,
                        m_size);
    Icons::paint(painter, symbol, m_symbol, Palette::color(m_role, isDown() ? 0.6 : 1.0));
    FocusRing::paintIfVisible(painter, *this, area, 6);
}

} // namespace vesk
