// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "CapsuleLabel.h"

#include "VeskCore/Models.h"

namespace vesk {

// How safe an item is to remove, as a small capsule.
class RiskBadge : public CapsuleLabel
{
    Q_OBJECT

public:
    explicit RiskBadge(Risk risk, QWidget *parent = nullptr);

    static QString symbolFor(Risk risk);
    static Palette::Role colorFor(Risk risk);
    // The risk's title as shown (its raw value, through the translation layer).
    static QString title(Risk risk);
};

} // namespace vesk
