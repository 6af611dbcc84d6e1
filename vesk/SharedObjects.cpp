// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SharedObjects.h"

#include "VeskCore/DemoSession.h"
#include "VeskCore/Preferences.h"

namespace vesk {

void SharedObjects::startScan() const
{
    session.start(preferences.preselectLowRisk(), preferences.excludedCategories(), scanTick);
}

} // namespace vesk
