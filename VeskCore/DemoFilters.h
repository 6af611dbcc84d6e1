// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Models.h"

#include <optional>

namespace vesk::DemoFilters {

// The applications whose name contains `search` (case-insensitive, accents
// significant, used as typed) and that pass `filter`, in the order `sort` gives.
[[nodiscard]] QList<DemoApplication> applications(const QList<DemoApplication> &apps,
                                                  const QString &search, AppFilter filter,
                                                  AppSort sort);

// The files below `root` (never folders, never inaccessible areas) that `mode`
// admits, largest first. `minimumGB` counts only in the large mode and
// `olderThanDays` only in the old mode.
[[nodiscard]] QList<StorageNode> files(const StorageNode &root, StorageMode mode, qint64 minimumGB,
                                       qint64 olderThanDays);

// The chain of nodes from `root` down to the first node in pre-order whose id
// is `id`, both ends included; nothing when no node has that id.
[[nodiscard]] std::optional<QList<StorageNode>> path(const QString &id, const StorageNode &root);

} // namespace vesk::DemoFilters
