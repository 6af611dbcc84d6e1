// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Theme.h"

#include "SystemAppearance.h"
#include "VeskCore/Preferences.h"

#include <QApplication>

namespace vesk {

Theme::Theme(Preferences &preferences, SystemAppearance &system, QObject *parent)
    : QObject(parent), m_preferences(preferences), m_system(system)
{
    connect(&m_preferences, &Preferences::appearanceChanged, this, &Theme::apply);
    connect(&m_system, &SystemAppearance::prefersDarkChanged, this, &Theme::apply);
    m_scheme = effectiveScheme(m_preferences.appearance(), m_system.prefersDark());
    Palette::setScheme(m_scheme);
    QApplication::setPalette(Palette::widgetPalette());
}

Palette::Scheme Theme::effectiveScheme(Appearance preference, bool systemPrefersDark)
{
    switch (preference) {
    case Appearance::light:
        return Palette::Scheme::light;
    case Appearance::dark:
        return Palette::Scheme::dark;
    case Appearance::system:
        break;
    }
    return systemPrefersDark ? Palette::Scheme::dark : Palette::Scheme::light;
}

void Theme::apply()
{
    const Palette::Scheme next =
        effectiveScheme(m_preferences.appearance(), m_system.prefersDark());
    if (next == m_scheme)
        return;
    m_scheme = next;
    Palette::setScheme(next);
    // Every widget without a palette of its own gets a palette change and
    // repaints; custom widgets read the palette scheme while painting.
    QApplication::setPalette(Palette::widgetPalette());
    emit schemeChanged();
}

} // namespace vesk
