#include "Launcher.h"

#include "DesignSystem/Fonts.h"
#include "MainWindow.h"
#include "SystemAppearance.h"
#include "VeskApp.h"

#include <QApplication>
#include <QSettings>

namespace vesk {

bool prepareApplication()
{
    // Read before the style and vesk's own palette replace the platform's.
    const bool platformDark = SystemAppearance::paletteIsDark();
    QApplication::setStyle(QStringLiteral("Fusion"));
    Fonts::registerBundled();
    QApplication::setFont(Fonts::ui(13));
    return platformDark;
}

int launch(int argc, char *argv[], const std::function<void(MainWindow &)> &shown)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("vesk"));
    QApplication::setApplicationName(QStringLiteral("vesk"));
    QApplication::setApplicationDisplayName(QStringLiteral("vesk"));
    const bool platformDark = prepareApplication();

    QSettings store;
    VeskApp vesk(store, platformDark);
    vesk.mainWindow()->show();
    if (shown)
        shown(*vesk.mainWindow());
    return app.exec();
}

} // namespace vesk
