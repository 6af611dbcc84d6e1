// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TreemapLayout.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vesk::TreemapLayout {

namespace {

struct Job
{
    qsizetype first; // half-open range [first, last)
    qsizetype last;
    QRectF rect;
};

// The split point k (1 ≤ k < n) of the range, as an absolute position
// `first + k`: the first k whose distance |S(k) − T/2| is strictly smaller
// than every earlier one.
qsizetype splitPoint(const std::vector<double> &prefix, qsizetype first, qsizetype last,
                     bool monotonic)
{
    const double base = prefix[size_t(first)];
    const double half = (prefix[size_t(last)] - base) * 0.5;
    const auto distance = [&](qsizetype k) {
        return std::fabs(prefix[size_t(k)] - base - half);
    };

    if (!monotonic) {
        // Negative sizes: the running sum can turn back, so look at every point.
        qsizetype best = first + 1;
        double bestDistance = distance(best);
        for (qsizetype k = first + 2; k < last; ++k) {
            const double d = distance(k);
            if (d < bestDistance) {
                best = k;
                bestDistance = d;
            }
        }
        return best;
    }

    // Non-decreasing sums: the distance falls, then rises. The best point is
    // the first that reaches half, or the last before it; on a plateau of
    // equal sums the earliest point of the plateau counts.
    const auto begin = prefix.begin() + first + 1;
    const auto end = prefix.begin() + last; // k runs to n − 1
    auto reach = std::lower_bound(begin, end, base + half);
    qsizetype candidate = qsizetype(reach - prefix.begin());
    if (candidate >= last)
        candidate = last - 1;
    if (candidate > first + 1) {
        const qsizetype before = candidate - 1;
        // The earliest point with the same sum as `before`.
        const auto plateau =
            std::lower_bound(begin, prefix.begin() + before + 1, prefix[size_t(before)]);
        const qsizetype earliest = qsizetype(plateau - prefix.begin());
        if (distance(earliest) <= distance(candidate))
            return earliest;
    }
    return candidate;
}

} // namespace

QList<Tile> tiles(const QList<qint64> &sizes, const QRectF &rect)
{
    QList<Tile> result;
    const qsizetype n = sizes.size();
    if (n == 0)
        return result;

    // prefix[i] is the float sum of the first i sizes. Sums of integer byte
    // counts are exact in doubles below 2^53, so they equal the running sums
    // taken one node at a time.
    std::vector<double> prefix(size_t(n) + 1, 0.0);
    bool monotonic = true;
    for (qsizetype i = 0; i < n; ++i) {
        prefix[size_t(i) + 1] = prefix[size_t(i)] + double(sizes.at(i));
        monotonic = monotonic && sizes.at(i) >= 0;
    }

    result.reserve(n);
    // Depth-first with the first part on top, so tiles come out in input order.
    std::vector<Job> stack{{0, n, rect}};
    while (!stack.empty()) {
        const Job job = stack.back();
        stack.pop_back();
        const qsizetype count = job.last - job.first;
        if (count == 1) {
            result.append({job.first, job.rect});
            continue;
        }
        const double total = prefix[size_t(job.last)] - prefix[size_t(job.first)];
        if (!(total > 0))
            continue;
        const qsizetype k = splitPoint(prefix, job.first, job.last, monotonic);
        const double f = (prefix[size_t(k)] - prefix[size_t(job.first)]) / total;
        const QRectF &r = job.rect;
        QRectF firstPart, secondPart;
        if (r.height() * aspectLimit < r.width()) {
            firstPart = QRectF(r.x(), r.y(), f * r.width(), r.height());
            secondPart =
                QRectF(r.x() + f * r.width(), r.y(), r.width() - f * r.width(), r.height());
        } else {
            firstPart = QRectF(r.x(), r.y(), r.width(), f * r.height());
            secondPart =
                QRectF(r.x(), r.y() + f * r.height(), r.width(), r.height() - f * r.height());
        }
        stack.push_back({k, job.last, secondPart});
        stack.push_back({job.first, k, firstPart});
    }
    return result;
}

} // namespace vesk::TreemapLayout
