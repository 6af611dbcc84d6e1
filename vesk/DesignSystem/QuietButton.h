// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "StyledButton.h"

namespace vesk {

// A secondary action: accent text on the soft wash.
class QuietButton : public StyledButton
{
    Q_OBJECT

public:
    explicit QuietButton(const QString &text, QWidget *parent = nullptr);
};

} // namespace vesk
