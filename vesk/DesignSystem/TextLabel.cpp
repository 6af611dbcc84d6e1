#include "TextLabel.h"

#include "AccessibleRoles.h"

#include <QPainter>

namespace vesk {

namespace {
// The width a wrapping label asks for before layouts narrow it.
constexpr int preferredWrapWidth = 420;
} // namespace

TextLabel::TextLabel(const QString &text, const QFont &font, Palette::Role role, QWidget *parent)
    : QWidget(parent), m_text(text), m_font(font), m_role(role)
{
    m_heights.fill({-1, 0});
    AccessibleRoles::install();
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
    m_sizeHint = QSize();
    m_minimumSizeHint = QSize();
    m_heights.fill({-1, 0});
}

int TextLabel::flags() const
{
    return int(m_alignment) | (m_wordWrap ? Qt::TextWordWrap : 0);
}

QSize TextLabel::sizeHint() const
{
    if (m_sizeHint.isValid())
        return m_sizeHint;
    const QFontMetrics metrics(m_font);
    if (!m_wordWrap) {
        m_sizeHint = metrics.boundingRect(QRect(), flags(), m_text).size();
    } else {
        const int width =
            qMin(preferredWrapWidth, metrics.boundingRect(QRect(), 0, m_text).width());
        m_sizeHint = QSize(width, heightForWidth(width));
    }
    return m_sizeHint;
}

QSize TextLabel::minimumSizeHint() const
{
    if (!m_wordWrap)
        return sizeHint();
    if (m_minimumSizeHint.isValid())
        return m_minimumSizeHint;
    // A wrapping label can narrow to its longest word.
    const QFontMetrics metrics(m_font);
    int longest = 0;
    for (const QString &word : m_text.split(QLatin1Char(' ')))
        longest = qMax(longest, metrics.horizontalAdvance(word));
    m_minimumSizeHint = QSize(
        longest,
        QFontMetrics(m_font).boundingRect(QRect(0, 0, longest, 100000), flags(), m_text).height());
    return m_minimumSizeHint;
}

int TextLabel::heightForWidth(int width) const
{
    for (const auto &[measured, height] : m_heights) {
        if (measured == width)
            return height;
    }
    const int height =
        QFontMetrics(m_font).boundingRect(QRect(0, 0, width, 100000), flags(), m_text).height();
    m_heights[m_nextHeight] = {width, height};
    m_nextHeight = (m_nextHeight + 1) % m_heights.size();
    return height;
}

void TextLabel::paintEvent(QPaintEvent *)
{
    const qreal wrapWidth = m_wordWrap ? width() : -1;
    // Static text keeps plain-text line breaks only as line separators.
    const QString shown = QString(m_text).replace(QLatin1Char('\n'), QChar::LineSeparator);
    if (m_static.text() != shown || m_static.textWidth() != wrapWidth) {
        m_static.setText(shown);
        m_static.setTextWidth(wrapWidth);
        QTextOption option(m_alignment & Qt::AlignHorizontal_Mask);
        option.setWrapMode(m_wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
        m_static.setTextOption(option);
        m_static.prepare(QTransform(), m_font);
    }
    const QSizeF size = m_static.size();
    qreal x = 0;
    if (!m_wordWrap) {
        if (m_alignment & Qt::AlignRight)
            x = width() - size.width();
        else if (m_alignment & Qt::AlignHCenter)
            x = (width() - size.width()) / 2;
    }
    qreal y = 0;
    if (m_alignment & Qt::AlignBottom)
        y = height() - size.height();
    else if (m_alignment & Qt::AlignVCenter)
        y = (height() - size.height()) / 2;

    QPainter painter(this);
    painter.setPen(Palette::color(m_role, m_opacity));
    painter.setFont(m_font);
    painter.drawStaticText(QPointF(x, y), m_static);
}

} // namespace vesk
