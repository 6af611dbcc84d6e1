// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace vesk::SettingsReader {

// Typed readers over a stored value that may be anything: a file edited by
// hand, written by another version or another tool, or damaged. Each yields
// nothing when the value is missing or of another kind.

// A text.
[[nodiscard]] std::optional<QString> string(const QVariant &value);

// A strict Boolean: a real Boolean, or the texts "true" and "false" (an INI
// file keeps every value as text). "no", "1" or "yes" are not Booleans.
[[nodiscard]] std::optional<bool> boolean(const QVariant &value);

// The platform's Boolean reading, as other tools write Booleans: a real
// Boolean; a number, true unless zero; the texts "true"/"false", "yes"/"no"
// (any letter case) and numbers written as text. Anything else reads false;
// only a missing value yields nothing.
[[nodiscard]] std::optional<bool> platformBoolean(const QVariant &value);

} // namespace vesk::SettingsReader
