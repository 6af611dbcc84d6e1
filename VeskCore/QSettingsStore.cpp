// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "QSettingsStore.h"

#include <QSettings>

namespace vesk {

QVariant QSettingsStore::value(QLatin1String key) const
{
    return m_settings.value(key);
}

bool QSettingsStore::setValue(QLatin1String key, const QVariant &value)
{
    m_settings.setValue(key, value);
    m_settings.sync();
    // A format error only says the old file could not be parsed; it is rewritten whole.
    return m_settings.status() != QSettings::AccessError;
}

} // namespace vesk
