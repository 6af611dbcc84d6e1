#include "DesignSystem/Fonts.h"
#include "MainWindow.h"
#include "SystemAppearance.h"
#include "VeskApp.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("vesk"));
    QApplication::setApplicationName(QStringLiteral("vesk"));
    QApplication::setApplicationDisplayName(QStringLiteral("vesk"));
    // Read before the style and vesk's own palette replace the platform's.
    const bool platformDark = vesk::SystemAppearance::paletteIsDark();
    QApplication::setStyle(QStringLiteral("Fusion"));
    vesk::Fonts::registerBundled();
    QApplication::setFont(vesk::Fonts::ui(13));

    QSettings store;
    vesk::VeskApp vesk(store, platformDark);
    vesk.mainWindow()->show();
    return app.exec();
}
