// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Sheet.h"
#include "VeskCore/Models.h"

namespace vesk {

// The sheet that explains one cleanup candidate: what it is, where the demo
// says it lives, its size and risk, and what the simulated cleanup would do.
// Read-only; "Tanca" and Escape close it.
class CandidateDetail : public Sheet
{
    Q_OBJECT

public:
    static constexpr int fixedWidth = 540;

    explicit CandidateDetail(const Candidate &candidate, QWidget *parent = nullptr);

    static QString plannedAction(Risk risk);
};

} // namespace vesk
