// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Display.h"

#include <QCoreApplication>

#include <array>
#include <cmath>

namespace vesk::Display {

namespace {

struct Unit
{
    const char *symbol;
    double size;
    int decimals;
};

constexpr std::array<Unit, 4> units = {{
    {"kB", 1e3, 0},
    {"MB", 1e6, 1},
    {"GB", 1e9, 2},
    {"TB", 1e12, 2},
}};

double roundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

QString bytes(qint64 count, const QLocale &locale)
{
    if (count == 0)
        return QStringLiteral("0 B");

    // Work on the magnitude as a double: exact enough for display, and it
    // sidesteps negating the most negative 64-bit value.
    const double magnitude = std::fabs(double(count));
    std::size_t index = 0;
    while (index + 1 < units.size() && magnitude >= units[index + 1].size)
        ++index;

    double value = roundTo(magnitude / units[index].size, units[index].decimals);
    // 999 999 bytes round to "1000 kB": show "1 MB" instead.
    if (value >= 1000.0 && index + 1 < units.size()) {
        ++index;
        value = roundTo(magnitude / units[index].size, units[index].decimals);
    }
    // A non-zero count never reads as nothing.
    if (value == 0.0)
        value = 1.0;

    const QString number =
        locale.toString(count < 0 ? -value : value, 'f', QLocale::FloatingPointShortest);
    return number + QLatin1Char(' ') + QLatin1String(units[index].symbol);
}

QString date(const QDateTime &when)
{
    const QLocale catalan(QLocale::Catalan, QLocale::Spain);
    return catalan.toString(when.toLocalTime(), QStringLiteral("d MMMM, H:mm"));
}

QString title(Section section)
{
    return QCoreApplication::translate("vesk::Section", rawValue(section).toUtf8().constData());
}

QString stageName(const QString &stage)
{
    return QCoreApplication::translate("vesk::DemoSession", stage.toUtf8().constData());
}

} // namespace vesk::Display
