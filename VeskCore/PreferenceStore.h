// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QLatin1String>
#include <QVariant>

namespace vesk {

// Where the preferences live: a flat key-value store. What is stored is
// outside input; the typed readers of SettingsReader decide what counts.
class PreferenceStore
{
public:
    virtual ~PreferenceStore() = default;

    // What is stored under `key`: a QString for a text, another type for
    // anything else (a list, a Boolean, bytes), or an invalid QVariant.
    virtual QVariant value(QLatin1String key) const = 0;
    // Stores a text or a Boolean at once; returns whether it reached the
    // storage (false: it lasts for this session only).
    [[nodiscard]] virtual bool setValue(QLatin1String key, const QVariant &value) = 0;
};

} // namespace vesk
