#include "MintBars.h"

#include "AccessibleRoles.h"
#include "Palette.h"

#include <QPainter>

namespace vesk {

MintBars::MintBars(QWidget *parent) : QWidget(parent)
{
    setFixedHeight(4);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    AccessibleRoles::markDecorative(this);
}

void MintBars::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::mint());
    const qreal barWidth = (width() - gap * (count - 1)) / qreal(count);
    for (int i = 0; i < count; ++i)
        painter.drawRoundedRect(QRectF(i * (barWidth + gap), 0, barWidth, height()), 2, 2);
}

} // namespace vesk
