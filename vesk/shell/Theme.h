// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Palette.h"

#include "VeskCore/Models.h"

#include <QObject>

namespace vesk {

class Preferences;
class SystemAppearance;

// The one place that decides the effective appearance: the preference, or
// the desktop's when the preference is "Sistema". Applying it switches the
// palette scheme and the application palette, which repaints every window at
// once without rebuilding anything.
class Theme : public QObject
{
    Q_OBJECT

public:
    Theme(Preferences &preferences, SystemAppearance &system, QObject *parent = nullptr);

    Palette::Scheme scheme() const { return m_scheme; }

    static Palette::Scheme effectiveScheme(Appearance preference, bool systemPrefersDark);

signals:
    void schemeChanged();

private:
    void apply();

    Preferences &m_preferences;
    SystemAppearance &m_system;
    Palette::Scheme m_scheme = Palette::Scheme::light;
};

} // namespace vesk
