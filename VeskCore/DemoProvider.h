// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DemoDataProviding.h"

#include <QCoreApplication>

namespace vesk {

// The fixed, fictional data set of the prototype. Stateless: every read yields
// equal values on every run and every machine, and nothing here looks at the
// real computer.
class DemoProvider final : public DemoDataProviding
{
    Q_DECLARE_TR_FUNCTIONS(vesk::DemoProvider)

public:
    // One decimal gigabyte.
    static constexpr qint64 gb = 1'000'000'000;

    // 2026-11-02 11:00:00 UTC, the moment the demo's ages and history seeds count from.
    static QDateTime referenceDate();

    QList<Candidate> candidates() const override;
    QList<DiskCategory> diskCategories() const override;
    StorageNode storage() const override;
    QList<DemoApplication> applications() const override;
    QList<PerformancePoint> performance() const override;
    QList<DemoProcess> processes() const override;
    QList<Protection> protections() const override;
    QList<HistoryEntry> history() const override;
};

} // namespace vesk
