// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// The real vesk, as main() starts it, with a probe on standard input and
// output that lets the accessibility test see the effect of what it does
// through the bus.

#include "StateProbe.h"

#include "shell/Launcher.h"
#include "shell/MainWindow.h"
#include "shell/VeskApp.h"

int main(int argc, char *argv[])
{
    return vesk::launch(argc, argv, [](vesk::VeskApp &app) {
        // Xvfb runs no window manager: activate the window as one would.
        app.mainWindow()->activateWindow();
        new StateProbe(app);
    });
}
