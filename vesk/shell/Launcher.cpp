// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Launcher.h"

#include "AppIconEngine.h"
#include "DesignSystem/text/Fonts.h"
#include "MainWindow.h"
#include "SharedPaletteStyle.h"
#include "SystemAppearance.h"
#include "VeskApp.h"
#include "VeskCore/QSettingsStore.h"
#include "VeskCore/SettingsFile.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

namespace vesk {

namespace {
// vesk speaks Catalan whatever the session's language: its own catalog, and
// Qt's for Qt's own texts (standard buttons, a text field's context menu)
// when it is installed; they stay English otherwise.
void installCatalogs()
{
    auto *own = new QTranslator(qApp);
    if (loadCatalog(*own))
        QCoreApplication::installTranslator(own);
    else
        delete own;
    auto *qt = new QTranslator(qApp);
    if (qt->load(QLocale(QLocale::Catalan), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}
} // namespace

bool loadCatalog(QTranslator &translator, const QLocale &locale)
{
    // untranslated: file names
    return translator.load(locale, QStringLiteral("vesk"), QStringLiteral("_"),
                           QStringLiteral(":/i18n"));
}

QString settingsPath()
{
    // untranslated: file names
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vesk/vesk.conf");
}

bool prepareApplication()
{
    // Read before the style and vesk's own palette replace the platform's.
    const bool platformDark = SystemAppearance::paletteIsDark();
    QApplication::setStyle(new SharedPaletteStyle); // Fusion; the application owns it
    Fonts::registerBundled();
    QApplication::setFont(Fonts::ui(13));
    QApplication::setWindowIcon(AppIconEngine::icon());
    installCatalogs();
    return platformDark;
}

int launch(int argc, char *argv[], const std::function<void(VeskApp &)> &shown,
           const std::function<void(const char *)> &stage)
{
    const auto reached = [&stage](const char *name) {
        if (stage)
            stage(name);
    };
    reached("main");
    QApplication app(argc, argv);
    reached("QApplication");
    // On macOS the preferences land under the bundle identifier, the domain
    // reversed and the application name: cat.vesk.vesk.
    QApplication::setOrganizationName(QStringLiteral("vesk"));
    QApplication::setOrganizationDomain(QStringLiteral("vesk.cat"));
    QApplication::setApplicationName(QStringLiteral("vesk"));
    QApplication::setApplicationDisplayName(QStringLiteral("vesk"));
    // Lets a Wayland compositor match the window to the installed desktop
    // entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(VESK_APP_ID));
    const bool platformDark = prepareApplication();
    reached("style, fonts, icon, catalogs");

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    SettingsFile store(settingsPath());
#else
    // The bundle's preferences domain on a Mac, the registry on Windows:
    // read and written by the platform.
    QSettings settings;
    QSettingsStore store(settings);
#endif
    VeskApp vesk(store, platformDark);
    reached("application and main window"); // untranslated: a benchmark stage
    vesk.mainWindow()->show();
    reached("shown");
    if (shown)
        shown(vesk);
    return app.exec();
}

} // namespace vesk
