// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "CapsuleLabel.h"

namespace vesk {

// "Dades de demostració": the reminder on every screen and sheet that nothing
// shown is real.
class DemoBadge : public CapsuleLabel
{
    Q_OBJECT

public:
    explicit DemoBadge(QWidget *parent = nullptr);
};

} // namespace vesk
