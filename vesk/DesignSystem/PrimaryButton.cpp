// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "PrimaryButton.h"

#include "DesignSystem/text/Fonts.h"

namespace vesk {

PrimaryButton::PrimaryButton(const QString &text, QWidget *parent)
    : StyledButton(text,
                   {Fonts::ui(13, QFont::DemiBold), Palette::Role::white, Palette::Role::green,
                    0.75, 20, 12, 10},
                   parent)
{}

} // namespace vesk
