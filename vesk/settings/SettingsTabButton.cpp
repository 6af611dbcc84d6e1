// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SettingsTabButton.h"

#include "DesignSystem/FocusRing.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/text/Fonts.h"

#include <QPainter>

namespace vesk {

namespace {
constexpr int padding = 12;
constexpr int symbolSize = 20;
constexpr int spacing = 7;
} // namespace

SettingsTabButton::SettingsTabButton(const QString &symbol, const QString &title, QWidget *parent)
    : QAbstractButton(parent), m_symbol(symbol)
{
    setText(title);
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
    setFont(Fonts::ui(11));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize SettingsTabButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 2 * padding,
            2 * padding + symbolSize + spacing + metrics.height()};
}

void SettingsTabButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::wash());
        painter.drawRoundedRect(area, 10, 10);
    }
    FocusRing::paintIfVisible(painter, *this, area, 10);
    const QColor color = isChecked() ? Palette::accent() : Palette::secondary();
    const QFontMetrics metrics(font());
    const qreal top = (height() - (symbolSize + spacing + metrics.height())) / 2.0;
    Icons::paint(painter, QRectF((width() - symbolSize) / 2.0, top, symbolSize, symbolSize),
                 m_symbol, color);
    painter.setPen(color);
    painter.setFont(font());
    painter.drawText(QRectF(0, top + symbolSize + spacing, width(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextForceLeftToRight, text());
}

} // namespace vesk
