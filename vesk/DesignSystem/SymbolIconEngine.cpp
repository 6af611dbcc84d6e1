// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SymbolIconEngine.h"

#include "DeviceRatio.h"
#include "Icons.h"

#include <QPainter>

namespace vesk {

SymbolIconEngine::SymbolIconEngine(QString symbol, Palette::Role role)
    : m_symbol(std::move(symbol)), m_role(role)
{}

QColor SymbolIconEngine::tint(QIcon::Mode mode) const
{
    return Palette::color(m_role, mode == QIcon::Disabled ? 0.45 : 1.0);
}

void SymbolIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State)
{
    Icons::paint(*painter, rect, m_symbol, tint(mode));
}

QPixmap SymbolIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap SymbolIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State,
                                       qreal scale)
{
    const QSize pixels = iconPixelSize(size, scale);
    QPixmap result(pixels);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    Icons::paint(painter, QRectF(QPointF(0, 0), QSizeF(pixels)), m_symbol, tint(mode));
    painter.end();
    result.setDevicePixelRatio(scale);
    return result;
}

QIconEngine *SymbolIconEngine::clone() const
{
    return new SymbolIconEngine(m_symbol, m_role);
}

QString SymbolIconEngine::key() const
{
    return QStringLiteral("vesk-symbol");
}

} // namespace vesk
