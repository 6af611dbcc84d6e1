#include "Card.h"

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace vesk {

Card::Card(int padding, QWidget *parent)
    : QWidget(parent), m_padding(padding), m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(padding, padding, padding, padding + shadowBand);
    m_layout->setSpacing(0);
}

void Card::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF surface = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5 - shadowBand);

    // A faint shadow: black at 0.018, blurred over a few pixels, 3 below.
    painter.setPen(Qt::NoPen);
    for (int step = 1; step <= 3; ++step) {
        painter.setBrush(QColor(0, 0, 0, 3));
        painter.drawRoundedRect(surface.translated(0, step).adjusted(-0.5, 0, 0.5, 0), radius,
                                radius);
    }

    painter.setBrush(Palette::card());
    painter.setPen(QPen(Palette::color(Palette::Role::secondary, 0.1), 1));
    painter.drawRoundedRect(surface, radius, radius);
}

} // namespace vesk
