// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "SharedObjects.h"
#include "SystemAppearance.h"
#include "Theme.h"
#include "VeskCore/DemoSession.h"
#include "VeskCore/NavigationState.h"
#include "VeskCore/Preferences.h"
#include "settings/SettingsView.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include <memory>

namespace vesk {

class MainWindow;
class PreferenceStore;

// The application: the three shared objects (made once, in this order: the
// demo session, the preferences, the navigation state opening on the stored
// start section), the theme, the main window, and the settings window and
// About box on demand.
class VeskApp : public QObject
{
    Q_OBJECT

public:
    // `platformPrefersDark`: see SystemAppearance.
    VeskApp(PreferenceStore &store, bool platformPrefersDark, QObject *parent = nullptr);
    ~VeskApp() override;

    DemoSession &session() { return m_session; }
    Preferences &preferences() { return m_preferences; }
    NavigationState &navigation() { return m_navigation; }
    SharedObjects shared()
    {
        return {m_session, m_preferences, m_navigation, m_system, m_scanTick};
    }
    // The scan's tick for screens created from now on; tests shorten it.
    void setScanTick(std::chrono::milliseconds tick) { m_scanTick = tick; }
    Theme &theme() { return m_theme; }
    SystemAppearance &systemAppearance() { return m_system; }

    MainWindow *mainWindow() const { return m_mainWindow.get(); }
    // The open settings window, if any.
    SettingsView *settingsWindow() const { return m_settings; }
    QMessageBox *aboutBox() const { return m_about; }

    // Opens the settings window, or raises it when it is already open.
    void showSettings();
    void showAbout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DemoSession m_session;
    Preferences m_preferences;
    NavigationState m_navigation;
    SystemAppearance m_system;
    Theme m_theme;
    std::unique_ptr<MainWindow> m_mainWindow;
    QPointer<SettingsView> m_settings;
    QPointer<QMessageBox> m_about;
    bool m_painted = false;
    bool m_themeCheckQueued = false;
    std::chrono::milliseconds m_scanTick{90};
};

} // namespace vesk
