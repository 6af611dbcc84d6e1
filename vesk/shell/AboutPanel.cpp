// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AboutPanel.h"

namespace vesk::AboutPanel {

// Linux and Windows have no standard About panel.
bool show(const QString &, const QString &, const QString &)
{
    return false;
}

} // namespace vesk::AboutPanel
