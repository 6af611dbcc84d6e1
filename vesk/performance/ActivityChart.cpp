// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ActivityChart.h"

#include "ActivitySeries.h"
#include "DesignSystem/FocusRing.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DesignSystem/text/Fonts.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace vesk {

namespace {
constexpr int axisWidth = 34;
constexpr int labelHeight = 18;
constexpr int topRoom = 30; // for the inspector's bubble
} // namespace

ActivityChart::ActivityChart(QWidget *parent) : QWidget(parent)
{
    setFixedHeight(205);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    AccessibleFactory::install();
    setAccessibleName(tr("Evolució de demostració del recurs seleccionat"));
}

void ActivityChart::setSeries(const QList<PerformancePoint> &samples, const QString &metric)
{
    const auto before = int(paintedTexts().size());
    const auto samplesBefore = m_samples.size();
    m_samples = samples;
    m_metric = metric;
    describe();
    if (m_samples.size() != samplesBefore)
        AccessibleFactory::notifyItemsChanged(this);
    AccessibleFactory::notifyPaintedTextCount(this, before, int(paintedTexts().size()));
    update();
}

void ActivityChart::setSelectedId(std::optional<qint64> id)
{
    if (m_selected == id)
        return;
    const auto before = int(paintedTexts().size());
    m_selected = id;
    describe();
    const auto count = int(paintedTexts().size());
    AccessibleFactory::notifyPaintedTextCount(this, before, count);
    if (count == before && m_selected)
        AccessibleFactory::notifyPaintedTextChanged(this, 0); // the readout
    AccessibleFactory::notifyCurrentItem(this);
    update();
    emit selectedIdChanged();
}

QStringList ActivityChart::valueAxisLabels(const QString &metric)
{
    // Quarters of the fixed domain, baseline included, as automatic marks
    // give them for 0–100 and 0–20.
    const double top = ActivitySeries::domainTop(metric);
    QStringList labels;
    for (int step = 0; step <= 4; ++step)
        labels << QString::number(top * step / 4.0);
    return labels;
}

QStringList ActivityChart::timeAxisLabels(const QList<PerformancePoint> &samples)
{
    QStringList labels;
    for (const PerformancePoint &point : samples) {
        if (point.id % 4 == 0)
            labels << ActivitySeries::axisLabel(point.id);
    }
    return labels;
}

QString ActivityChart::sampleText(const PerformancePoint &point) const
{
    return tr("%1: %2").arg(ActivitySeries::axisLabel(point.id),
                            ActivitySeries::inspectorText(point, m_metric));
}

void ActivityChart::describe()
{
    // What the chart is, not where its inspector stands: the selected sample
    // is read as the item it is. A screen reader drops a change to the
    // description of the widget it is on (Qt 6.4 sends the object, not the
    // text), and logs it as an error.
    QString text = tr("%1, %2 minuts").arg(m_metric).arg(m_samples.size());
    // The axes as they are drawn, so the scale is read as it is seen.
    text += tr(". Escala: %1. Temps: %2")
                .arg(valueAxisLabels(m_metric).join(QStringLiteral(", ")),
                     timeAxisLabels(m_samples).join(QStringLiteral(", ")));
    // Set only when it reads otherwise: each setting tells the screen reader.
    if (text != accessibleDescription())
        setAccessibleDescription(text);
}

std::pair<QRectF, QString> ActivityChart::readout() const
{
    for (const PerformancePoint &point : std::as_const(m_samples)) {
        if (!m_selected || point.id != *m_selected)
            continue;
        const QString text = ActivitySeries::inspectorText(point, m_metric);
        const QFontMetricsF metrics(Fonts::ui(11, QFont::DemiBold));
        const QSizeF size(metrics.horizontalAdvance(text) + 12, metrics.height() + 12);
        return {readoutRect(plotArea(), pointFor(point).x(), size), text};
    }
    return {};
}

QList<TextRun> ActivityChart::textRuns() const
{
    const QRectF plot = plotArea();
    QList<TextRun> runs;
    if (const auto [bubble, text] = readout(); !text.isEmpty())
        runs << TextRun{.text = text,
                        .rect = bubble,
                        .font = Fonts::ui(11, QFont::DemiBold),
                        .alignment = Qt::AlignCenter};
    const QStringList values = valueAxisLabels(m_metric);
    for (int step = int(values.size()) - 1; step >= 0; --step) {
        const double y = plot.bottom() - plot.height() * step / 4.0;
        runs << TextRun{.text = values.at(step),
                        .rect = valueLabelRect(y),
                        .font = Fonts::ui(10),
                        .role = Palette::Role::secondary,
                        .alignment = Qt::AlignRight | Qt::AlignVCenter};
    }
    for (const PerformancePoint &point : std::as_const(m_samples)) {
        if (point.id % 4 == 0)
            runs << TextRun{
                .text = ActivitySeries::axisLabel(point.id),
                .rect = QRectF(pointFor(point).x() - 30, plot.bottom() + 4, 60, labelHeight - 4),
                .font = Fonts::ui(10),
                .role = Palette::Role::secondary,
                .alignment = Qt::AlignHCenter | Qt::AlignTop};
    }
    return runs;
}

QList<AccessibleKind::PaintedText> ActivityChart::paintedTexts() const
{
    return TextRun::heardTexts(textRuns());
}

QList<AccessibleKind::PaintedText> ActivityChart::items() const
{
    QList<PaintedText> points;
    for (const PerformancePoint &point : std::as_const(m_samples)) {
        const QPointF at = pointFor(point);
        points << PaintedText{sampleText(point), QRect(int(at.x()) - 6, int(at.y()) - 6, 12, 12)};
    }
    return points;
}

int ActivityChart::currentItem() const
{
    for (int i = 0; i < m_samples.size(); ++i) {
        if (m_selected && m_samples.at(i).id == *m_selected)
            return i;
    }
    return -1;
}

QRectF ActivityChart::readoutRect(const QRectF &plot, qreal x, const QSizeF &size)
{
    // A plot narrower than the readout keeps it flush with its left edge.
    const qreal left = qMax(plot.left(), qMin(x - size.width() / 2, plot.right() - size.width()));
    return {left, plot.top() - size.height() - 2, size.width(), size.height()};
}

QRectF ActivityChart::valueLabelRect(qreal y)
{
    // Centred on its grid line; the baseline's sits just above it, clear of
    // the first minute's label below the plot.
    return QRectF(0, y - 8, axisWidth - 6, 16);
}

QRectF ActivityChart::plotArea() const
{
    return QRectF(axisWidth, topRoom, width() - axisWidth - 8, height() - topRoom - labelHeight);
}

QPointF ActivityChart::pointFor(const PerformancePoint &point) const
{
    const QRectF plot = plotArea();
    if (m_samples.isEmpty())
        return plot.bottomLeft();
    const qint64 first = m_samples.first().id;
    const qint64 last = m_samples.last().id;
    const double span = qMax<qint64>(1, last - first);
    const double x = plot.left() + plot.width() * double(point.id - first) / span;
    const double top = ActivitySeries::domainTop(m_metric);
    const double y = plot.bottom() -
                     plot.height() * qBound(0.0, ActivitySeries::value(point, m_metric), top) / top;
    return {x, y};
}

void ActivityChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = plotArea();
    // The grid: five steps over the fixed domain, a line every fourth sample.
    painter.setPen(QPen(Palette::color(Palette::Role::secondary, 0.12), 1));
    for (int step = 0; step <= 4; ++step) {
        const double y = plot.bottom() - plot.height() * step / 4.0;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (const PerformancePoint &point : std::as_const(m_samples)) {
        if (point.id % 4 == 0) {
            const qreal x = pointFor(point).x();
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
    }
    if (!m_samples.isEmpty())
        paintSeries(painter);
    for (const TextRun &run : textRuns())
        run.paint(painter);
    FocusRing::paintIfVisible(painter, *this, QRectF(rect()), 6);
}

void ActivityChart::paintSeries(QPainter &painter) const
{
    const QRectF plot = plotArea();

    QList<QPointF> points;
    for (const PerformancePoint &point : std::as_const(m_samples))
        points << pointFor(point);
    const QPainterPath line = ActivitySeries::monotonePath(points);
    QPainterPath area = line;
    area.lineTo(points.last().x(), plot.bottom());
    area.lineTo(points.first().x(), plot.bottom());
    area.closeSubpath();
    QLinearGradient fill(plot.topLeft(), plot.bottomLeft());
    fill.setColorAt(0, Palette::color(Palette::Role::green, 0.2));
    fill.setColorAt(1, Palette::color(Palette::Role::green, 0.01));
    painter.fillPath(area, fill);
    painter.setPen(QPen(Palette::accent(), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);

    if (const auto [bubble, text] = readout(); !text.isEmpty()) {
        painter.setPen(QPen(Palette::color(Palette::Role::secondary, 0.5), 1));
        for (const PerformancePoint &point : std::as_const(m_samples)) {
            if (m_selected && point.id == *m_selected) {
                const qreal at = pointFor(point).x();
                painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
            }
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::wash());
        painter.drawRoundedRect(bubble, 5, 5);
    }
}

void ActivityChart::selectAt(qreal x)
{
    std::optional<qint64> nearest;
    qreal distance = 0;
    for (const PerformancePoint &point : std::as_const(m_samples)) {
        const qreal d = qAbs(pointFor(point).x() - x);
        if (!nearest || d < distance) {
            nearest = point.id;
            distance = d;
        }
    }
    setSelectedId(nearest);
}

void ActivityChart::mouseMoveEvent(QMouseEvent *event)
{
    selectAt(event->position().x());
}

void ActivityChart::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    selectAt(event->position().x());
}

void ActivityChart::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool moves =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
    if (m_samples.isEmpty() || !moves || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const qint64 first = m_samples.first().id;
    const qint64 last = m_samples.last().id;
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        setSelectedId(key == Qt::Key_Home ? first : last);
        return;
    }
    const qint64 step = key == Qt::Key_Left ? -1 : 1;
    const qint64 current = m_selected.value_or(step < 0 ? last + 1 : first - 1);
    setSelectedId(qBound(first, current + step, last));
}

} // namespace vesk
