// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "VeskCore/Models.h"

#include <QWidget>

namespace vesk {

// The disk as a ring: one sector per category, its angle proportional to the
// category's size, rounded at the corners, a little gap between sectors, in
// the palette's data colours by position. The centre shows the free space.
// A screen reader hears every sector and its size.
class DonutChart : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal innerRadiusRatio = 0.78;
    static constexpr qreal angularInset = 2; // points between sectors
    static constexpr qreal cornerRadius = 3;

    struct Sector
    {
        qreal startDegrees; // clockwise from 12 o'clock
        qreal spanDegrees;
    };
    // The sectors for `values`, each `inset` degrees shorter than its share
    // so that neighbours stay apart; empty or non-positive data gives none.
    static QList<Sector> sectors(const QList<double> &values, qreal insetDegrees);

    explicit DonutChart(const QList<DiskCategory> &categories, QWidget *parent = nullptr);

    QSize sizeHint() const override { return {148, 148}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintRing(QPainter &painter, const QList<QColor> &colours) const;

    QList<DiskCategory> m_categories;
};

} // namespace vesk
