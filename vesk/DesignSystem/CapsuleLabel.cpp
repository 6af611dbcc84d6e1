// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "CapsuleLabel.h"

#include "Icons.h"

#include <QPainter>

namespace vesk {

namespace {
constexpr int symbolGap = 5;
}

CapsuleLabel::CapsuleLabel(const QString &symbol, const QString &text, const Look &look,
                           QWidget *parent)
    : QWidget(parent), m_symbol(symbol), m_text(text), m_look(look)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(text);
}

qreal CapsuleLabel::symbolSize() const
{
    return m_look.font.pixelSize() + 1;
}

QSize CapsuleLabel::sizeHint() const
{
    if (m_sizeHint.isValid())
        return m_sizeHint;
    const QFontMetrics metrics(m_look.font);
    const int width = m_look.horizontalPadding * 2 + qCeil(symbolSize()) + symbolGap +
                      metrics.horizontalAdvance(m_text);
    const int height = m_look.verticalPadding * 2 + qMax(metrics.height(), qCeil(symbolSize()));
    m_sizeHint = QSize(width, height);
    return m_sizeHint;
}

void CapsuleLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(rect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::color(m_look.fill, m_look.fillOpacity));
    painter.drawRoundedRect(area, area.height() / 2, area.height() / 2);

    const QColor foreground = Palette::color(m_look.foreground);
    const qreal side = symbolSize();
    const QRectF symbolRect(m_look.horizontalPadding, (area.height() - side) / 2, side, side);
    Icons::paint(painter, symbolRect, m_symbol, foreground);

    painter.setPen(foreground);
    painter.setFont(m_look.font);
    const QRectF textRect = area.adjusted(symbolRect.right() + symbolGap, 0, 0, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight, m_text);
}

} // namespace vesk
