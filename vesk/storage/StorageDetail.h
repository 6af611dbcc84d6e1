// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Sheet.h"
#include "VeskCore/Models.h"

namespace vesk {

// What the demo knows about one file or area of the disk, and that nothing
// can be done with it: only "Tanca".
class StorageDetail : public Sheet
{
    Q_OBJECT

public:
    static constexpr int fixedWidth = 550;

    // `path`: the location text, root first and the node last.
    StorageDetail(const StorageNode &node, const QString &path, QWidget *parent = nullptr);

    static QString note(const StorageNode &node);
};

} // namespace vesk
