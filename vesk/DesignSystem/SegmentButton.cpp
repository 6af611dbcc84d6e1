// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SegmentButton.h"

#include "DesignSystem/text/Fonts.h"
#include "FocusRing.h"
#include "Palette.h"

#include <QPainter>

namespace vesk {

SegmentButton::SegmentButton(const QString &text, QWidget *parent) : QAbstractButton(parent)
{
    setText(text);
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
    setFont(Fonts::ui(12, QFont::Medium));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize SegmentButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 28, metrics.height() + 12};
}

void SegmentButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (isChecked()) {
        painter.setPen(QPen(Palette::color(Palette::Role::secondary, 0.15), 1));
        painter.setBrush(Palette::card());
        painter.drawRoundedRect(area, 6, 6);
    }
    FocusRing::paintIfVisible(painter, *this, area, 6);
    painter.setPen(isChecked() ? Palette::ink() : Palette::secondary());
    painter.setFont(font());
    painter.drawText(area, Qt::AlignCenter | Qt::TextForceLeftToRight, text());
}

} // namespace vesk
