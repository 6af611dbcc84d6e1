#include "LegendSwatch.h"

#include "DesignSystem/AccessibleRoles.h"
#include "DesignSystem/Palette.h"

#include <QPainter>

namespace vesk {

LegendSwatch::LegendSwatch(int position, QWidget *parent) : QWidget(parent), m_position(position)
{
    setFixedSize(7, 7);
    AccessibleRoles::markDecorative(this);
}

void LegendSwatch::paintEvent(QPaintEvent *)
{
    const QList<QColor> colours = Palette::colors();
    if (m_position < 0 || m_position >= colours.size())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.at(m_position));
    painter.drawRoundedRect(QRectF(rect()), 2, 2);
}

} // namespace vesk
