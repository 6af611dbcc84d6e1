// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QList>
#include <QRectF>

namespace vesk::TreemapLayout {

// One laid-out block: the position of its node in the input and its cell.
struct Tile
{
    qsizetype index;
    QRectF rect;
};

// A wide rectangle is cut vertically only when it is more than this many
// times wider than tall.
inline constexpr double aspectLimit = 1.4;

// Lays out `sizes` (byte counts, in the order given) in `rect` by recursive
// binary splits that keep the order: each list is cut where the running sum
// comes closest to half its total (the first such point on a tie), across the
// longer side. A single entry fills its rectangle whatever its size; a list
// of two or more whose total is not positive is dropped. Tiles come back in
// input order. Runs in O(n log n) over prefix sums, without recursion.
QList<Tile> tiles(const QList<qint64> &sizes, const QRectF &rect);

} // namespace vesk::TreemapLayout
