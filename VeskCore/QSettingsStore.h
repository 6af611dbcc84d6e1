// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "PreferenceStore.h"

class QSettings;

namespace vesk {

// The platform's own store through QSettings: the preferences domain of the
// bundle on macOS. On Linux vesk uses SettingsFile, which treats the file as
// outside input; this one remains the reference reading of an INI file.
class QSettingsStore : public PreferenceStore
{
public:
    explicit QSettingsStore(QSettings &settings) : m_settings(settings) {}

    QVariant value(QLatin1String key) const override;
    bool setValue(QLatin1String key, const QVariant &value) override;

private:
    QSettings &m_settings;
};

} // namespace vesk
