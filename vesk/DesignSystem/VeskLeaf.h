// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QPainterPath>
#include <QSizeF>

namespace vesk::VeskLeaf {

// One leaf of the brand mark in a W × H box at the origin: a closed path of
// two cubic curves, from the start point to the tip and back. x scales with
// W and y with H, so a square box keeps the drawn proportions.
QPainterPath path(bool lower, QSizeF size);

} // namespace vesk::VeskLeaf
