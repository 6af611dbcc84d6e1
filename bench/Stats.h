// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QList>

// Minimum, median and maximum of a list of samples.
struct Stats
{
    double minimum = 0;
    double median = 0;
    double maximum = 0;
    int count = 0;

    static Stats of(QList<double> samples);
};
