// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "MetricCard.h"

#include "DesignSystem/accessibility/AccessibleRoles.h"
#include "DesignSystem/text/Fonts.h"
#include "Icons.h"
#include "Palette.h"

#include <QPainter>

namespace vesk {

namespace {
constexpr int cardPadding = 18;
constexpr int barCount = 5;
constexpr int barGap = 5;
} // namespace

MetricCard::MetricCard(const QString &title, const QString &symbol, const QString &value,
                       const QString &detail, std::optional<double> fraction, const QString &note,
                       QWidget *parent)
    : Card(cardPadding, parent), m_title(title), m_symbol(symbol), m_value(value), m_detail(detail),
      m_fraction(fraction), m_note(note)
{
    if (fraction)
        AccessibleRoles::markGauge(this, value, *fraction);
    setAccessibleName(title);
    // The figure first, as a person reads the card.
    setAccessibleDescription(tr("%1 %2. %3").arg(value, detail, note));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize MetricCard::sizeHint() const
{
    return {200, contentHeight + 2 * cardPadding + shadowBand};
}

QSize MetricCard::minimumSizeHint() const
{
    return {120, sizeHint().height()};
}

void MetricCard::paintEvent(QPaintEvent *event)
{
    Card::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF content(cardPadding, cardPadding, width() - 2 * cardPadding, contentHeight);
    const QColor secondary = Palette::secondary();

    // The stack of the design: header, figure (spacing 4), gauge and note,
    // 13 between blocks, from the top.
    const QFont titleFont = Fonts::ui(11, QFont::Medium);
    const QFont valueFont = Fonts::rounded(27, QFont::DemiBold);
    const QFont smallFont = Fonts::ui(10);
    const qreal headerHeight = QFontMetricsF(titleFont).height();
    qreal y = content.top();
    painter.setFont(titleFont);
    painter.setPen(secondary);
    painter.drawText(QRectF(content.left(), y, content.width() - 20, headerHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight, m_title);
    Icons::paint(painter, QRectF(content.right() - 14, y + (headerHeight - 14) / 2, 14, 14),
                 m_symbol, Palette::accent());
    y += headerHeight + 13;

    const qreal valueHeight = QFontMetricsF(valueFont).height();
    painter.setFont(valueFont);
    painter.setPen(Palette::ink());
    painter.drawText(QRectF(content.left(), y, content.width(), valueHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight, m_value);
    y += valueHeight + 4;
    const qreal smallHeight = QFontMetricsF(smallFont).height();
    painter.setFont(smallFont);
    painter.setPen(secondary);
    painter.drawText(QRectF(content.left(), y, content.width(), smallHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight, m_detail);
    y += smallHeight + 13;

    painter.setPen(Qt::NoPen);
    if (m_fraction) {
        const QRectF track(content.left(), y, content.width(), 6);
        painter.setBrush(Palette::color(Palette::Role::green, 0.16));
        painter.drawRoundedRect(track, 3, 3);
        const qreal fraction = qBound(0.0, *m_fraction, 1.0);
        if (fraction > 0) {
            painter.setBrush(Palette::green());
            painter.drawRoundedRect(QRectF(track.left(), y, qMax(6.0, track.width() * fraction), 6),
                                    3, 3);
        }
        y += 6 + 13;
    } else {
        painter.setBrush(Palette::mint());
        const qreal bar = (content.width() - barGap * (barCount - 1)) / barCount;
        for (int i = 0; i < barCount; ++i)
            painter.drawRoundedRect(QRectF(content.left() + i * (bar + barGap), y, bar, 4), 2, 2);
        y += 4 + 13;
    }

    painter.setFont(smallFont);
    painter.setPen(secondary);
    painter.drawText(QRectF(content.left(), y, content.width(), smallHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight, m_note);
}

} // namespace vesk
