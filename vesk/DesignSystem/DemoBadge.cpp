// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DemoBadge.h"

#include "DesignSystem/text/Fonts.h"
#include "Icons.h"

namespace vesk {

DemoBadge::DemoBadge(QWidget *parent)
    : CapsuleLabel(
          "circle.dotted"_symbol, tr("Dades de demostració"),
          {Fonts::ui(11, QFont::Medium), Palette::Role::secondary, Palette::Role::card, 0.7, 10, 6},
          parent)
{}

} // namespace vesk
