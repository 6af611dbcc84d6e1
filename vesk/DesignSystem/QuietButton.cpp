// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "QuietButton.h"

#include "DesignSystem/text/Fonts.h"

namespace vesk {

QuietButton::QuietButton(const QString &text, QWidget *parent)
    : StyledButton(text,
                   {Fonts::ui(13, QFont::Medium), Palette::Role::accent, Palette::Role::wash, 0.65,
                    14, 10, 9},
                   parent)
{}

} // namespace vesk
