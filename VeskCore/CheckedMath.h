// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QtNumeric>

#include <limits>
#include <optional>

namespace vesk {

// Byte counts are signed 64-bit values, and signed overflow is undefined
// behaviour. Sums and products of byte counts go through these helpers, which
// either report the overflow or clamp to the representable range.

[[nodiscard]] inline std::optional<qint64> checkedMultiply(qint64 a, qint64 b)
{
    qint64 result = 0;
    if (qMulOverflow(a, b, &result))
        return std::nullopt;
    return result;
}

[[nodiscard]] inline qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 result = 0;
    if (qAddOverflow(a, b, &result))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return result;
}

} // namespace vesk
