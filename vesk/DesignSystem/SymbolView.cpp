// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SymbolView.h"

#include "Icons.h"

#include <QPainter>

namespace vesk {

SymbolView::SymbolView(const QString &symbol, qreal pointSize, Palette::Role role, QWidget *parent)
    : QWidget(parent), m_symbol(symbol), m_size(pointSize), m_role(role)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SymbolView::setSymbol(const QString &symbol)
{
    m_symbol = symbol;
    update();
}

void SymbolView::setRole(Palette::Role role)
{
    m_role = role;
    update();
}

QSize SymbolView::sizeHint() const
{
    const int side = qCeil(m_size);
    return {side, side};
}

void SymbolView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Icons::paint(painter, rect(), m_symbol, Palette::color(m_role));
}

} // namespace vesk
