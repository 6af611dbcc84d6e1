// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QtGlobal>

#include <limits>
#include <optional>

namespace vesk {

// Byte counts are signed 64-bit values, and signed overflow is undefined
// behaviour. Sums and products of byte counts go through these helpers, which
// either report the overflow or clamp to the representable range.

inline std::optional<qint64> checkedMultiply(qint64 a, qint64 b)
{
    qint64 result = 0;
    if (__builtin_mul_overflow(a, b, &result))
        return std::nullopt;
    return result;
}

inline qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 result = 0;
    if (__builtin_add_overflow(a, b, &result))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return result;
}

} // namespace vesk
