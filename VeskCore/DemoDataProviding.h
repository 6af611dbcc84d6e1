// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Models.h"

namespace vesk {

// The one door through which the session and the screens reach the demo data.
class DemoDataProviding
{
public:
    virtual ~DemoDataProviding() = default;

    virtual QList<Candidate> candidates() const = 0;
    virtual QList<DiskCategory> diskCategories() const = 0;
    virtual StorageNode storage() const = 0;
    virtual QList<DemoApplication> applications() const = 0;
    virtual QList<PerformancePoint> performance() const = 0;
    virtual QList<DemoProcess> processes() const = 0;
    virtual QList<Protection> protections() const = 0;
    virtual QList<HistoryEntry> history() const = 0;
};

} // namespace vesk
