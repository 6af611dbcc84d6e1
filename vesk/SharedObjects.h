// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <chrono>

namespace vesk {

class DemoSession;
class NavigationState;
class Preferences;
class SystemAppearance;

// What every screen of the main window works with: the application's three
// shared objects, the platform settings they follow (appearance and reduced
// motion), and the interval of the simulated scan's ticks.
struct SharedObjects
{
    DemoSession &session;
    Preferences &preferences;
    NavigationState &navigation;
    SystemAppearance &system;
    // Owned by the application (90 ms); tests shorten it.
    const std::chrono::milliseconds &scanTick;

    // Starts the simulated scan with the user's preferences.
    void startScan() const;
};

} // namespace vesk
