// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "SharedObjects.h"
#include "VeskCore/Models.h"

class QWidget;

namespace vesk::ScreenFactory {

// A new screen for `section`, in its default state, over the shared objects.
QWidget *create(Section section, SharedObjects shared);

} // namespace vesk::ScreenFactory
