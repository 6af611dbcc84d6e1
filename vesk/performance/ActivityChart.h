// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "VeskCore/Models.h"

#include "DesignSystem/accessibility/AccessibleKind.h"
#include "DesignSystem/text/TextRun.h"

#include <QWidget>

#include <optional>

namespace vesk {

// The activity of one simulated resource: a smooth line over a soft green
// area on a fixed scale, grid lines every four samples labelled "−N min",
// and an inspector at the selected sample (mouse, click, or the arrow keys,
// Home and End when focused). Its accessible description says what it shows;
// each sample is an item of its own ("−20 min: 49 %"), and a screen reader
// is moved to the selected one as the inspector moves.
class ActivityChart : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    QAccessible::Role accessibleRole() const override { return QAccessible::Chart; }
    // The axes' marks and the inspector's readout, each where it is drawn.
    QList<PaintedText> paintedTexts() const override;
    // Every sample, read "time: value", at its point of the line.
    QList<PaintedText> items() const override;
    int currentItem() const override;

    explicit ActivityChart(QWidget *parent = nullptr);

    void setSeries(const QList<PerformancePoint> &samples, const QString &metric);
    std::optional<qint64> selectedId() const { return m_selected; }

    // The labels of the value axis from the first step up, and of the time
    // axis, as drawn.
    static QStringList valueAxisLabels(const QString &metric);
    static QStringList timeAxisLabels(const QList<PerformancePoint> &samples);
    // Where the inspector's readout of `size` goes for a rule at `x`: above
    // the plot, centred on the rule, moved sideways only as far as it takes
    // to stay over the plot, so it never covers the value axis.
    static QRectF readoutRect(const QRectF &plot, qreal x, const QSizeF &size);
    void setSelectedId(std::optional<qint64> id);

    QSize sizeHint() const override { return {600, 205}; }

signals:
    void selectedIdChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRectF plotArea() const;
    // The line, its fill and the inspector's rule and bubble.
    void paintSeries(QPainter &painter) const;
    static QRectF valueLabelRect(qreal y);
    QPointF pointFor(const PerformancePoint &point) const;
    void selectAt(qreal x);
    void describe();
    QString sampleText(const PerformancePoint &point) const;
    // Where the inspector's readout is drawn, with its text.
    std::pair<QRectF, QString> readout() const;
    // The readout, then the value axis from the top, then the time axis:
    // as painted and in reading order.
    QList<TextRun> textRuns() const;

    QList<PerformancePoint> m_samples;
    QString m_metric;
    std::optional<qint64> m_selected;
};

} // namespace vesk
