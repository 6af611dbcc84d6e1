// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TextLabel.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"

#include <QPainter>
#include <QtMath>

namespace vesk {

namespace {
// The width a wrapping label asks for before layouts narrow it.
constexpr int preferredWrapWidth = 420;
} // namespace

TextLabel::TextLabel(const QString &text, const QFont &font, Palette::Role role, QWidget *parent)
    : QWidget(parent), m_text(text), m_font(font), m_role(role)
{
    AccessibleFactory::install();
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void TextLabel::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    forgetMeasures();
    updateGeometry();
    update();
    // As QLabel does: the name a screen reader reads is the text.
    if (accessibleName().isEmpty())
        AccessibleFactory::notifyNameChanged(this);
}

void TextLabel::setRole(Palette::Role role)
{
    if (m_role == role)
        return;
    m_role = role;
    update();
}

void TextLabel::setOpacity(qreal opacity)
{
    m_opacity = opacity;
    update();
}

void TextLabel::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(wrap);
    setSizePolicy(policy);
    forgetMeasures();
    updateGeometry();
}

void TextLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void TextLabel::forgetMeasures()
{
    m_measure.reset();
}

const TextMeasure &TextLabel::measure() const
{
    if (!m_measure)
        m_measure.emplace(m_text, m_font);
    return *m_measure;
}

QSize TextLabel::sizeHint() const
{
    const TextMeasure &text = measure();
    const int natural = qCeil(text.naturalWidth());
    if (!m_wordWrap)
        return {natural, qCeil(text.height(-1))};
    const int width = qMin(preferredWrapWidth, natural);
    return {width, heightForWidth(width)};
}

QSize TextLabel::minimumSizeHint() const
{
    if (!m_wordWrap)
        return sizeHint();
    // A wrapping label can narrow to its longest word. Its minimum height is
    // one line's, as QLabel's: the height it needs at the width it gets is
    // heightForWidth's to say. Reporting the height at the longest word made
    // every layout holding the label, a sheet's first of all, far taller than
    // its content, with the spare height spread between its items.
    const int longest = qCeil(measure().longestWord());
    return {longest, qCeil(measure().height(-1))};
}

int TextLabel::heightForWidth(int width) const
{
    return qCeil(measure().height(m_wordWrap ? width : -1));
}

void TextLabel::paintEvent(QPaintEvent *)
{
    const TextMeasure &text = measure();
    const qreal wrapWidth = m_wordWrap ? width() : -1;
    const qreal textHeight = text.height(wrapWidth);
    qreal y = 0;
    if (m_alignment & Qt::AlignBottom)
        y = height() - textHeight;
    else if (m_alignment & Qt::AlignVCenter)
        y = (height() - textHeight) / 2;

    QPainter painter(this);
    painter.setPen(Palette::color(m_role, m_opacity));
    painter.setFont(m_font);
    text.draw(painter, QPointF(0, y), wrapWidth, width(), m_alignment);
}

} // namespace vesk
