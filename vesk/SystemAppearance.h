// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QObject>

#include <functional>
#include <optional>

class QDBusMessage;

namespace vesk {

// What the desktop says about light and dark. On Linux it asks the desktop
// portal (org.freedesktop.appearance color-scheme) without waiting for the
// answer, and follows its change signal; with no bus or no portal, and on
// every other platform, the platform's own scheme decides, read again each
// time Qt reports that the platform theme changed.
class SystemAppearance : public QObject
{
    Q_OBJECT

public:
    // `platformPrefersDark`: whether the platform's own palette, read before
    // vesk installs its style and palette, is a dark one.
    explicit SystemAppearance(bool platformPrefersDark, QObject *parent = nullptr);

    // Starts asking the desktop (the portal, on Linux) and following its
    // changes. Connecting to the session bus costs start-up time the first
    // paint does not need, so the application calls this once it has
    // painted; until then, and without an answer, the platform palette
    // decides. Safe to call again.
    void followDesktop();

    // Reads the current application palette; call before vesk replaces it.
    static bool paletteIsDark();
    // The platform's light or dark now, even with vesk's palette in place:
    // the style hints' colour scheme where Qt has one (6.5 and later), else
    // the palette the platform theme gives.
    static bool platformIsDark();
    // Reads the platform's scheme again; the application calls this on
    // Qt's theme change events.
    void platformChanged();

    bool prefersDark() const;
    // The desktop's "reduce motion" wish (animations turned off); false when
    // nothing answers.
    bool prefersReducedMotion() const { return m_reducedMotion; }

    // Whether this build asks the portal, over D-Bus.
    static bool asksThePortal();

    // The portal's color-scheme value: 0 no preference, 1 dark, 2 light.
    static std::optional<bool> darkFromPortalValue(uint value);

    // For tests and platforms without a portal.
    void setPortalPreference(std::optional<bool> dark);
    void setReducedMotion(bool reduced);

signals:
    void prefersDarkChanged();
    void prefersReducedMotionChanged();

private slots:
    // Connected by name: QDBusConnection offers no pointer-to-member connect.
    void onPortalSettingChanged(const QDBusMessage &message);

private:
    void queryPortal();
    void readPortal(const char *nameSpace, const char *key,
                    const std::function<void(const QVariant &)> &apply);

    bool m_platformDark = false;
    std::optional<bool> m_portalDark;
    bool m_reducedMotion = false;
    bool m_following = false;
};

} // namespace vesk
