// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "VeskCore/Models.h"

#include <QPainterPath>
#include <QPointF>

namespace vesk::ActivitySeries {

// The resources the activity chart can show, by their titles.
QStringList metrics();

// The last `range` samples, in series order (all of them when fewer).
QList<PerformancePoint> samples(const QList<PerformancePoint> &series, int range);
// The sample's value for the metric: cpu, memory, or disk for anything else.
double value(const PerformancePoint &point, const QString &metric);
// The fixed y domain's top: 100 for percentages, 20 for the disk's MB/s.
double domainTop(const QString &metric);
QString unitLine(const QString &metric);
QString explanation(const QString &metric);
// "12 MB/s", "49 %": the value truncated to a whole number, with its unit.
QString inspectorText(const PerformancePoint &point, const QString &metric);
// The x-axis label of a sample id: "−N min" with the minus sign, N = 23 − id.
QString axisLabel(qint64 id);

// One smooth curve through the points that never overshoots them (monotone
// cubic interpolation, Fritsch–Carlson): between two samples the curve stays
// within their values.
QPainterPath monotonePath(const QList<QPointF> &points);

} // namespace vesk::ActivitySeries
