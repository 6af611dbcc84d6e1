// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Stats.h"

#include <algorithm>

Stats Stats::of(QList<double> samples)
{
    Stats stats;
    stats.count = int(samples.size());
    if (samples.isEmpty())
        return stats;
    std::sort(samples.begin(), samples.end());
    stats.minimum = samples.first();
    stats.maximum = samples.last();
    const qsizetype middle = samples.size() / 2;
    stats.median =
        samples.size() % 2 ? samples.at(middle) : (samples.at(middle - 1) + samples.at(middle)) / 2;
    return stats;
}
