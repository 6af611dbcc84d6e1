// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskLeaf.h"

namespace vesk::VeskLeaf {

QPainterPath path(bool lower, QSizeF size)
{
    struct Fractions
    {
        QPointF start, c1, c2, tip, c3, c4;
    };
    static constexpr Fractions upperLeaf{{0.13, 0.52}, {0.12, 0.18}, {0.58, 0.15},
                                         {0.82, 0.20}, {0.74, 0.60}, {0.37, 0.74}};
    static constexpr Fractions lowerLeaf{{0.13, 0.66}, {0.42, 0.92}, {0.73, 0.78},
                                         {0.87, 0.48}, {0.65, 0.43}, {0.34, 0.42}};
    const Fractions &f = lower ? lowerLeaf : upperLeaf;
    const auto at = [size](QPointF fraction) {
        return QPointF(fraction.x() * size.width(), fraction.y() * size.height());
    };

    QPainterPath leaf;
    leaf.moveTo(at(f.start));
    leaf.cubicTo(at(f.c1), at(f.c2), at(f.tip));
    leaf.cubicTo(at(f.c3), at(f.c4), at(f.start));
    leaf.closeSubpath();
    return leaf;
}

} // namespace vesk::VeskLeaf
