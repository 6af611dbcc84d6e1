// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Models.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace vesk::Display {

// A byte count as people read it: decimal units from kB to TB, the unit chosen
// by magnitude, whole kB, at most one decimal for MB and two for GB and TB,
// trailing zeros dropped, the locale's decimal separator. Zero is "0 B"; any
// other count shows at least "1 kB", since there is no plain-byte unit.
[[nodiscard]] QString bytes(qint64 count, const QLocale &locale = QLocale());

// Day of the month, full month name, hour and minute in Catalan (Spain), in
// the local time zone; no year, weekday or seconds.
[[nodiscard]] QString date(const QDateTime &when);

// The section's title as people see it (sidebar, title bar, menu, settings):
// its Catalan raw value through the translation catalog.
[[nodiscard]] QString title(Section section);

// A scan stage as people see it: the session's Catalan name through the
// translation catalog.
[[nodiscard]] QString stageName(const QString &stage);

} // namespace vesk::Display
