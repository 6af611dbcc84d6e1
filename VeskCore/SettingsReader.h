// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QSettings>
#include <QString>

#include <optional>

namespace vesk::SettingsReader {

// Typed readers over a settings store that may hold anything: a file edited by
// hand, written by another version, or damaged. An INI file keeps every value
// as text, so a real Boolean and the texts "true" and "false" are the only
// Booleans; "no", "1" or "yes" are not. Each reader yields nothing when the
// key is missing or holds a value of another kind.

std::optional<QString> string(const QSettings &settings, QAnyStringView key);
std::optional<bool> boolean(const QSettings &settings, QAnyStringView key);

} // namespace vesk::SettingsReader
