// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskApp.h"

#include "AboutPanel.h"
#include "AppIconEngine.h"
#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "MainWindow.h"
#include "VeskCore/DemoProvider.h"
#include "settings/SettingsView.h"

#include <QMessageBox>
#include <QPushButton>

namespace vesk {

VeskApp::VeskApp(PreferenceStore &store, bool platformPrefersDark, QObject *parent)
    : QObject(parent), m_session(std::make_shared<DemoProvider>()), m_preferences(store),
      m_navigation(m_preferences.startSection()), m_system(platformPrefersDark),
      m_theme(m_preferences, m_system)
{
    AccessibleFactory::install();
    m_mainWindow = std::make_unique<MainWindow>(shared());
    connect(m_mainWindow.get(), &MainWindow::settingsRequested, this, &VeskApp::showSettings);
    connect(m_mainWindow.get(), &MainWindow::aboutRequested, this, &VeskApp::showAbout);
    // The desktop is asked about light and dark once the window has painted,
    // and the platform's scheme read again whenever its theme changes.
    m_mainWindow->installEventFilter(this);
}

bool VeskApp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_mainWindow.get())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // After this paint has finished, not inside it.
        QMetaObject::invokeMethod(
            this, [this] { m_system.followDesktop(); }, Qt::QueuedConnection);
    } else if (event->type() == QEvent::Close && m_settings) {
        // The settings window alone is no way back to the main one: closing
        // the main window ends vesk, as the last window closed does.
        m_settings->close();
    } else if (event->type() == QEvent::ThemeChange && !m_themeCheckQueued) {
        // Once, after the platform has told every window: reading the
        // scheme may lend the application another palette for a moment.
        m_themeCheckQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_themeCheckQueued = false;
                m_system.platformChanged();
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

VeskApp::~VeskApp()
{
    delete m_settings;
    delete m_about;
}

void VeskApp::showSettings()
{
    if (!m_settings) {
        // Closing the window discards its view state; the next opening
        // starts again at "General".
        m_settings = new SettingsView(m_preferences);
        m_settings->setAttribute(Qt::WA_DeleteOnClose);
        m_settings->setWindowFlag(Qt::Window);
    }
    m_settings->show();
    m_settings->raise();
    m_settings->activateWindow();
}

void VeskApp::showAbout()
{
    const QString version = tr("0.1 · Demostració");
    const QString credits = tr("El teu Mac, en forma.\nPrototip local sense operacions reals.");
    if (AboutPanel::show(QStringLiteral("vesk"), version, credits))
        return;
    if (!m_about) {
        m_about = new QMessageBox(m_mainWindow.get());
        m_about->setAttribute(Qt::WA_DeleteOnClose);
        m_about->setWindowTitle(tr("Quant a vesk"));
        m_about->setTextFormat(Qt::RichText);
        // One label, read in the order it is shown (a message box adds its
        // informative text after its buttons), and lines that never wrap:
        // the box takes the width its longest line needs.
        const auto line = [](const QString &text) {
            return text.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
        };
        QStringList lines{QStringLiteral("<b>vesk</b>"), line(version), QString()};
        for (const QString &text : credits.split(u'\n'))
            lines << line(text);
        m_about->setText(lines.join(QStringLiteral("<br>")));
        m_about->setIconPixmap(
            AppIconEngine::icon().pixmap(QSize(64, 64), m_mainWindow->devicePixelRatioF()));
        m_about->setStandardButtons(QMessageBox::Ok);
        // The style puts a stock icon on dialog buttons; no other button of
        // vesk has one.
        m_about->button(QMessageBox::Ok)->setIcon(QIcon());
        m_about->setWindowModality(Qt::WindowModal);
    }
    m_about->open();
}

} // namespace vesk
