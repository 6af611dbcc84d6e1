// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "StyledButton.h"

#include "FocusRing.h"
#include "Icons.h"

#include <QPainter>

namespace vesk {

namespace {
constexpr int symbolGap = 7;
}

StyledButton::StyledButton(const QString &text, const Look &look, QWidget *parent)
    : QPushButton(text, parent), m_look(look)
{
    setFont(look.font);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAutoDefault(false);
}

void StyledButton::setSymbol(const QString &symbol)
{
    m_symbol = symbol;
    updateGeometry();
    update();
}

QSize StyledButton::sizeHint() const
{
    measureLabel();
    int width = m_look.horizontalPadding * 2 + m_labelAdvance;
    if (!m_symbol.isEmpty())
        width += m_labelHeight + symbolGap;
    return {width, m_look.verticalPadding * 2 + m_labelHeight};
}

void StyledButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);

    qreal opacity = isDown() ? m_look.pressedOpacity : 1.0;
    if (!isEnabled())
        opacity *= 0.5;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::color(m_look.fill, opacity));
    painter.drawRoundedRect(area, m_look.radius, m_look.radius);

    // The ring shows once the keyboard has moved focus, as on the desktop.
    FocusRing::paintIfVisible(painter, *this, QRectF(rect()), m_look.radius + 1);

    const QColor foreground = Palette::color(m_look.foreground, isEnabled() ? 1.0 : 0.6);
    const TextMeasure &text = label();
    // QFontMetrics' whole-pixel height and advance, as the size hint counts.
    const qreal symbolSide = m_symbol.isEmpty() ? 0 : m_labelHeight;
    const qreal contentWidth = m_labelAdvance + (m_symbol.isEmpty() ? 0 : symbolSide + symbolGap);
    qreal x = area.center().x() - contentWidth / 2;
    if (!m_symbol.isEmpty()) {
        Icons::paint(painter, QRectF(x, area.center().y() - symbolSide / 2, symbolSide, symbolSide),
                     m_symbol, foreground);
        x += symbolSide + symbolGap;
    }
    painter.setPen(foreground);
    text.drawCentredLine(painter, QRectF(x, area.top(), area.right() - x, area.height()));
}

void StyledButton::measureLabel() const
{
    if (m_labelHeight > 0 && m_labelText == text() && m_labelFont == font())
        return;
    m_labelText = text();
    m_labelFont = font();
    const QFontMetrics metrics(m_labelFont);
    m_labelAdvance = metrics.horizontalAdvance(m_labelText);
    m_labelHeight = metrics.height();
    m_label.reset();
}

const TextMeasure &StyledButton::label() const
{
    measureLabel();
    if (!m_label)
        m_label.emplace(m_labelText, m_labelFont);
    return *m_label;
}

} // namespace vesk
