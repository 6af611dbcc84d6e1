#include "TextLabel.h"

#include <QPainter>

namespace vesk {

TextLabel::TextLabel(const QString &text, const QFont &font, Palette::Role role, QWidget *parent)
    : QLabel(text, parent), m_role(role)
{
    setFont(font);
    setTextFormat(Qt::PlainText);
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

void TextLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Palette::color(m_role, m_opacity));
    painter.setFont(font());
    int flags = int(alignment());
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    painter.drawText(contentsRect(), flags, text());
}

} // namespace vesk
