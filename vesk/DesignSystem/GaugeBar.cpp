// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "GaugeBar.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "Palette.h"

#include <QPainter>

namespace vesk {

GaugeBar::GaugeBar(double fraction, const QString &title, const QString &valueText, Reading reading,
                   QWidget *parent)
    : QProgressBar(parent), m_valueText(valueText), m_reading(reading),
      m_drawn(qBound(0.0, fraction, 1.0))
{
    AccessibleFactory::install();
    setRange(0, 1000);
    setValue(qRound(m_drawn * 1000));
    setTextVisible(false);
    setAccessibleName(title);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(6);
}

void GaugeBar::setFraction(double fraction, const QString &valueText)
{
    m_valueText = valueText;
    m_drawn = qBound(0.0, fraction, 1.0);
    setValue(qRound(m_drawn * 1000));
    update();
}

void GaugeBar::setDrawnFraction(double fraction)
{
    m_drawn = qBound(0.0, fraction, 1.0);
    update();
}

void GaugeBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF track(rect());
    const qreal radius = track.height() / 2;
    painter.setBrush(Palette::color(Palette::Role::green, 0.16));
    painter.drawRoundedRect(track, radius, radius);
    if (m_drawn > 0) {
        QRectF filled = track;
        filled.setWidth(qMax(track.height(), track.width() * m_drawn));
        painter.setBrush(Palette::green());
        painter.drawRoundedRect(filled, radius, radius);
    }
}

} // namespace vesk
