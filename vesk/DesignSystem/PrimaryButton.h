// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "StyledButton.h"

namespace vesk {

// The one strong action of a view: white on green.
class PrimaryButton : public StyledButton
{
    Q_OBJECT

public:
    explicit PrimaryButton(const QString &text, QWidget *parent = nullptr);
};

} // namespace vesk
