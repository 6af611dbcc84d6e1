// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DiskLegend.h"

#include "DesignSystem/Palette.h"
#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DesignSystem/text/Fonts.h"

#include <QPainter>

namespace vesk {

namespace {
constexpr int swatch = 7;
constexpr int gap = 8;
constexpr int minimumSpace = 10;
QFont legendFont()
{
    return Fonts::ui(11);
}
} // namespace

DiskLegend::DiskLegend(const QList<DiskCategory> &categories, QWidget *parent)
    : QWidget(parent), m_categories(categories)
{
    AccessibleFactory::install();
    setAccessibleName(tr("Llegenda"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QString DiskLegend::figure(const DiskCategory &category)
{
    return tr("%1 GB").arg(qint64(category.gigabytes));
}

QSize DiskLegend::sizeHint() const
{
    const QFontMetrics metrics(legendFont());
    int widest = 0;
    for (const DiskCategory &category : m_categories)
        widest = qMax(widest, metrics.horizontalAdvance(category.name) +
                                  metrics.horizontalAdvance(figure(category)));
    const auto rows = int(m_categories.size());
    return {swatch + gap + widest + minimumSpace,
            rows * metrics.height() + qMax(0, rows - 1) * rowSpacing};
}

QSize DiskLegend::minimumSizeHint() const
{
    return sizeHint();
}

QRectF DiskLegend::rowRect(qsizetype index) const
{
    const qreal line = QFontMetricsF(legendFont()).height();
    const qreal top = (height() - sizeHint().height()) / 2.0;
    return {0, top + index * (line + rowSpacing), qreal(width()), line};
}

QList<TextRun> DiskLegend::textRuns() const
{
    const QFontMetricsF metrics(legendFont());
    QList<TextRun> runs;
    for (qsizetype i = 0; i < m_categories.size(); ++i) {
        const QRectF line = rowRect(i);
        const QString size = figure(m_categories.at(i));
        const qreal sizeWidth = metrics.horizontalAdvance(size);
        runs << TextRun{.text = m_categories.at(i).name,
                        .rect = line.adjusted(swatch + gap, 0, -sizeWidth, 0),
                        .font = legendFont(),
                        .role = Palette::Role::secondary}
             << TextRun{.text = size,
                        .rect = line.adjusted(line.width() - sizeWidth, 0, 0, 0),
                        .font = legendFont(),
                        .role = Palette::Role::secondary,
                        .alignment = Qt::AlignRight | Qt::AlignVCenter};
    }
    return runs;
}

QList<AccessibleKind::PaintedText> DiskLegend::paintedTexts() const
{
    return TextRun::heardTexts(textRuns());
}

void DiskLegend::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QList<QColor> colours = Palette::colors();
    painter.setPen(Qt::NoPen);
    for (qsizetype i = 0; i < m_categories.size() && i < colours.size(); ++i) {
        const QRectF line = rowRect(i);
        painter.setBrush(colours.at(i));
        painter.drawRoundedRect(QRectF(0, line.center().y() - swatch / 2.0, swatch, swatch), 2, 2);
    }
    for (const TextRun &run : textRuns())
        run.paint(painter);
}

} // namespace vesk
