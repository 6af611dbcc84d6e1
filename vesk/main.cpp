// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "shell/Launcher.h"

int main(int argc, char *argv[])
{
    return vesk::launch(argc, argv);
}
