// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TwoLineButton.h"

#include "DesignSystem/FocusRing.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/text/Fonts.h"

#include <QPainter>

namespace vesk {

namespace {
constexpr int lineGap = 3;
QFont titleFont()
{
    return Fonts::ui(13, QFont::Medium);
}
QFont detailFont()
{
    return Fonts::ui(11);
}
} // namespace

TwoLineButton::TwoLineButton(const QString &title, const QString &detail, QWidget *parent)
    : QAbstractButton(parent), m_detail(detail)
{
    setText(title);
    setAccessibleDescription(detail);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize TwoLineButton::sizeHint() const
{
    if (m_sizeHint.isValid())
        return m_sizeHint;
    const QFontMetrics title(titleFont());
    const QFontMetrics detail(detailFont());
    m_sizeHint = QSize(qMax(title.horizontalAdvance(text()), detail.horizontalAdvance(m_detail)),
                       title.height() + lineGap + detail.height());
    return m_sizeHint;
}

QSize TwoLineButton::minimumSizeHint() const
{
    return {60, sizeHint().height()};
}

QList<TextRun> TwoLineButton::textRuns() const
{
    const QFontMetrics title(titleFont());
    const QFontMetrics detail(detailFont());
    const qreal top = (height() - title.height() - lineGap - detail.height()) / 2.0;
    const QRectF lower(0, top + title.height() + lineGap, width(), detail.height());
    return {{.text = text(),
             .rect = QRectF(0, top, width(), title.height()),
             .font = titleFont(),
             .elide = Qt::ElideRight,
             .heard = false},
            {.text = m_detail,
             .rect = lower,
             .font = detailFont(),
             .role = Palette::Role::secondary,
             .elide = Qt::ElideRight}};
}

QList<AccessibleKind::PaintedText> TwoLineButton::paintedTexts() const
{
    return TextRun::heardTexts(textRuns());
}

void TwoLineButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setOpacity(isDown() ? 0.7 : 1.0);
    for (const TextRun &run : textRuns())
        run.paint(painter);
    FocusRing::paintIfVisible(painter, *this, QRectF(rect()), 6);
}

} // namespace vesk
