// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QString>

namespace vesk::AboutPanel {

// Opens the platform's own About panel with these three fields, the rest
// (icon, copyright) taken from the application bundle. Returns false where
// the platform has no such panel; the caller then shows its own box.
bool show(const QString &name, const QString &version, const QString &credits);

} // namespace vesk::AboutPanel
