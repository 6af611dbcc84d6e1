// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ActivitySeries.h"

#include <QCoreApplication>

#include <cmath>

namespace vesk::ActivitySeries {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("vesk::ActivitySeries", text);
}
} // namespace

QStringList metrics()
{
    return {tr("Processador"), tr("Memòria"), tr("Disc")};
}

QList<PerformancePoint> samples(const QList<PerformancePoint> &series, int range)
{
    if (range <= 0)
        return {};
    return series.mid(qMax<qsizetype>(0, series.size() - range));
}

double value(const PerformancePoint &point, const QString &metric)
{
    if (metric == metrics().at(0))
        return point.cpu;
    if (metric == metrics().at(1))
        return point.memory;
    return point.disk;
}

double domainTop(const QString &metric)
{
    return metric == metrics().at(2) ? 20 : 100;
}

QString unitLine(const QString &metric)
{
    return metric == metrics().at(2) ? tr("MB/s · dades simulades") : tr("% · dades simulades");
}

QString explanation(const QString &metric)
{
    if (metric == metrics().at(0))
        return tr("L’activitat és moderada en aquest exemple. No hi ha indicis simulats d’un "
                  "consum elevat sostingut.");
    if (metric == metrics().at(1))
        return tr("La pressió de memòria és baixa en aquest exemple; no cal fer cap acció. Buidar "
                  "la RAM no és una optimització necessària.");
    return tr("Hi ha espai disponible en aquest exemple. L’activitat del disc és fictícia i no "
              "indica cap problema.");
}

QString inspectorText(const PerformancePoint &point, const QString &metric)
{
    const auto whole = static_cast<qint64>(std::trunc(value(point, metric)));
    const QString unit = metric == metrics().at(2) ? QStringLiteral(" MB/s") : QStringLiteral(" %");
    return QString::number(whole) + unit;
}

QString axisLabel(qint64 id)
{
    return QChar(0x2212) + QString::number(23 - id) + QStringLiteral(" min");
}

QPainterPath monotonePath(const QList<QPointF> &points)
{
    QPainterPath path;
    const qsizetype n = points.size();
    if (n == 0)
        return path;
    path.moveTo(points.first());
    if (n == 1)
        return path;

    QList<double> slopes(n - 1);
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const double dx = points[i + 1].x() - points[i].x();
        slopes[i] = dx != 0 ? (points[i + 1].y() - points[i].y()) / dx : 0;
    }
    QList<double> tangents(n);
    tangents[0] = slopes[0];
    tangents[n - 1] = slopes[n - 2];
    for (qsizetype i = 1; i + 1 < n; ++i)
        tangents[i] = slopes[i - 1] * slopes[i] <= 0 ? 0 : (slopes[i - 1] + slopes[i]) / 2;
    // Fritsch–Carlson: limit the tangents so each segment stays monotone.
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (slopes[i] == 0) {
            tangents[i] = tangents[i + 1] = 0;
            continue;
        }
        const double a = tangents[i] / slopes[i];
        const double b = tangents[i + 1] / slopes[i];
        const double h = a * a + b * b;
        if (h > 9) {
            const double t = 3 / std::sqrt(h);
            tangents[i] = t * a * slopes[i];
            tangents[i + 1] = t * b * slopes[i];
        }
    }
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const double dx = (points[i + 1].x() - points[i].x()) / 3;
        path.cubicTo(QPointF(points[i].x() + dx, points[i].y() + tangents[i] * dx),
                     QPointF(points[i + 1].x() - dx, points[i + 1].y() - tangents[i + 1] * dx),
                     points[i + 1]);
    }
    return path;
}

} // namespace vesk::ActivitySeries
