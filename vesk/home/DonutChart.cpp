// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DonutChart.h"

#include "DonutFigure.h"

#include "DesignSystem/CachedPicture.h"
#include "DesignSystem/DeviceRatio.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <cmath>

namespace vesk {

QList<DonutChart::Sector> DonutChart::sectors(const QList<double> &values, qreal insetDegrees)
{
    double total = 0;
    for (double value : values)
        total += qMax(0.0, value);
    QList<Sector> result;
    if (total <= 0)
        return result;
    qreal start = 0;
    for (double value : values) {
        const qreal span = 360.0 * qMax(0.0, value) / total;
        const qreal inset = qMin(insetDegrees, span / 2);
        result.append({start + inset / 2, span - inset});
        start += span;
    }
    return result;
}

DonutChart::DonutChart(const QList<DiskCategory> &categories, QWidget *parent)
    : QWidget(parent), m_categories(categories)
{
    setFixedSize(148, 148);
    setAccessibleName(tr("Distribució del disc de demostració"));
    QStringList parts;
    for (const DiskCategory &category : categories)
        parts << tr("%1: %2 GB").arg(category.name).arg(qint64(category.gigabytes));
    setAccessibleDescription(parts.join(QStringLiteral(", ")));

    auto *centre = new QVBoxLayout(this);
    centre->addStretch(1);
    centre->addWidget(new DonutFigure(QStringLiteral("128"), tr("GB lliures")));
    centre->addStretch(1);
}

void DonutChart::paintEvent(QPaintEvent *)
{
    // The ring is filled once per appearance and pixel ratio; a resize of
    // the window around it or a repaint over it copies the picture.
    QPainter painter(this);
    const QList<QColor> colours = Palette::colors();
    QString key = QStringLiteral("vesk-donut");
    for (const DiskCategory &category : m_categories)
        key += u'|' + QString::number(category.gigabytes);
    for (const QColor &colour : colours)
        key += u'|' + QString::number(colour.rgba());
    const QPixmap picture = CachedPicture::get(
        key, size(), deviceRatio(painter),
        [this, &colours](QPainter &offscreen) { paintRing(offscreen, colours); });
    painter.drawPixmap(0, 0, picture);
}

void DonutChart::paintRing(QPainter &painter, const QList<QColor> &colours) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal outer = qMin(width(), height()) / 2.0;
    const qreal inner = outer * innerRadiusRatio;
    const QPointF centre = QRectF(rect()).center();
    const qreal middle = (outer + inner) / 2;
    // The inset is given in points along the ring; as an angle it depends on
    // the radius, measured at the middle of the ring.
    const qreal insetDegrees = qRadiansToDegrees(angularInset / middle);

    QList<double> values;
    for (const DiskCategory &category : m_categories)
        values << category.gigabytes;
    const QList<Sector> shares = sectors(values, insetDegrees);

    // Each sector is drawn shrunk by the corner radius and stroked with a pen
    // of twice that width and round joins: that rounds every corner.
    const qreal r = cornerRadius;
    const qreal shrinkDegrees = qRadiansToDegrees(r / middle);
    for (qsizetype i = 0; i < shares.size() && i < colours.size(); ++i) {
        const qreal start = shares.at(i).startDegrees + shrinkDegrees;
        const qreal span = shares.at(i).spanDegrees - 2 * shrinkDegrees;
        if (span <= 0)
            continue;
        const QRectF outerRect(centre.x() - (outer - r), centre.y() - (outer - r), 2 * (outer - r),
                               2 * (outer - r));
        const QRectF innerRect(centre.x() - (inner + r), centre.y() - (inner + r), 2 * (inner + r),
                               2 * (inner + r));
        // Qt counts angles anticlockwise from 3 o'clock.
        const qreal qtStart = 90 - start;
        QPainterPath path;
        path.arcMoveTo(outerRect, qtStart);
        path.arcTo(outerRect, qtStart, -span);
        path.arcTo(innerRect, qtStart - span, span);
        path.closeSubpath();
        painter.setBrush(colours.at(i));
        painter.setPen(QPen(colours.at(i), 2 * r, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
}

} // namespace vesk
