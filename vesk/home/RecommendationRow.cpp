// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "RecommendationRow.h"

#include "DesignSystem/FocusRing.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/text/Fonts.h"

#include <QPainter>

namespace vesk {

namespace {
constexpr int tileWidth = 34;
constexpr int tileHeight = 36;
constexpr int spacing = 12;
} // namespace

RecommendationRow::RecommendationRow(const QString &symbol, const QString &title,
                                     const QString &subtitle, QWidget *parent)
    : QAbstractButton(parent), m_symbol(symbol), m_subtitle(subtitle)
{
    setText(title);
    setAccessibleDescription(subtitle);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize RecommendationRow::sizeHint() const
{
    const QFontMetrics title(Fonts::ui(12, QFont::Medium));
    const QFontMetrics subtitle(Fonts::ui(10));
    const int textWidth =
        qMax(title.horizontalAdvance(text()), subtitle.horizontalAdvance(m_subtitle));
    return {tileWidth + spacing + textWidth + spacing + 10, tileHeight};
}

QList<TextRun> RecommendationRow::textRuns() const
{
    const qreal x = tileWidth + spacing;
    const qreal chevron = 9;
    const qreal textWidth = width() - x - spacing - chevron;
    const QFont titleFont = Fonts::ui(12, QFont::Medium);
    const QFont subtitleFont = Fonts::ui(10);
    const qreal titleHeight = QFontMetricsF(titleFont).height();
    const qreal subtitleHeight = QFontMetricsF(subtitleFont).height();
    const qreal top = (height() - titleHeight - 5 - subtitleHeight) / 2;
    return {{.text = text(),
             .rect = QRectF(x, top, textWidth, titleHeight),
             .font = titleFont,
             .heard = false},
            {.text = m_subtitle,
             .rect = QRectF(x, top + titleHeight + 5, textWidth, subtitleHeight),
             .font = subtitleFont,
             .role = Palette::Role::secondary}};
}

QList<AccessibleKind::PaintedText> RecommendationRow::paintedTexts() const
{
    return TextRun::heardTexts(textRuns());
}

void RecommendationRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal opacity = isDown() ? 0.7 : 1.0;
    painter.setOpacity(opacity);

    const QRectF tile(0, (height() - tileHeight) / 2.0, tileWidth, tileHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::wash());
    painter.drawRoundedRect(tile, 9, 9);
    Icons::paint(painter, tile.adjusted(8, 9, -8, -9), m_symbol, Palette::accent());

    for (const TextRun &run : textRuns())
        run.paint(painter);
    const qreal chevron = 9;
    Icons::paint(painter, QRectF(width() - chevron, (height() - chevron) / 2, chevron, chevron),
                 "chevron.right"_symbol, Palette::secondary());

    FocusRing::paintIfVisible(painter, *this, QRectF(rect()), 9);
}

} // namespace vesk
