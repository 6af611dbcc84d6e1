// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "LinkButton.h"

#include "FocusRing.h"
#include "Icons.h"

#include <QPainter>

namespace vesk {

namespace {
constexpr int symbolGap = 8;
constexpr int verticalPadding = 6;
} // namespace

LinkButton::LinkButton(const QString &symbol, const QString &text, const QFont &font,
                       Palette::Role role, QWidget *parent)
    : QAbstractButton(parent), m_symbol(symbol), m_role(role)
{
    setText(text);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void LinkButton::setTrailingSymbol(const QString &symbol)
{
    m_trailingSymbol = symbol;
    updateGeometry();
    update();
}

QSize LinkButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    int symbolWidth = m_symbol.isEmpty() ? 0 : metrics.height() + symbolGap;
    if (!m_trailingSymbol.isEmpty())
        symbolWidth += metrics.height() + symbolGap;
    return {symbolWidth + metrics.horizontalAdvance(text()),
            metrics.height() + 2 * verticalPadding};
}

void LinkButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = Palette::color(m_role, isDown() ? 0.7 : 1.0);
    const QFontMetrics metrics(font());
    qreal x = 0;
    if (!m_symbol.isEmpty()) {
        const qreal side = metrics.height();
        Icons::paint(painter, QRectF(0, (height() - side) / 2, side, side), m_symbol, color);
        x = side + symbolGap;
    }
    qreal right = width();
    if (!m_trailingSymbol.isEmpty()) {
        const qreal side = metrics.height();
        Icons::paint(painter, QRectF(right - side, (height() - side) / 2, side, side),
                     m_trailingSymbol, color);
        right -= side + symbolGap;
    }
    painter.setPen(color);
    painter.setFont(font());
    const QRectF textRect(x, 0, right - x, height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight, text());
    FocusRing::paintIfVisible(painter, *this, QRectF(rect()), 4, color);
}

} // namespace vesk
