// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// Renders one screen of vesk, or one tab of its settings window, to a PNG,
// offscreen, at a chosen size, appearance and device pixel ratio. Nothing is
// read from or written to the user's settings: a temporary store is used.
//
//   vesk-snapshot --section Espai --size 1100x760 --appearance Fosc --ratio 2 --out espai.png
//   vesk-snapshot --settings "Quant a" --appearance Clar --out about.png

#include "VeskCore/SettingsFile.h"
#include "settings/SettingsView.h"
#include "shell/Launcher.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"
#include "shell/VeskApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QPixmap render(QWidget &widget, qreal ratio)
{
    QPixmap pixmap(widget.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    widget.render(&pixmap);
    return pixmap;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool platformDark = vesk::prepareApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders a vesk screen to a PNG."));
    parser.addHelpOption();
    const QCommandLineOption section(QStringLiteral("section"),
                                     QStringLiteral("Section title (Inici, Neteja, …)."),
                                     QStringLiteral("title"), QStringLiteral("Inici"));
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Render this settings tab instead."),
                                      QStringLiteral("tab"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Content size WxH."),
                                  QStringLiteral("size"), QStringLiteral("1100x760"));
    const QCommandLineOption appearance(QStringLiteral("appearance"),
                                        QStringLiteral("Clar or Fosc."), QStringLiteral("name"),
                                        QStringLiteral("Clar"));
    const QCommandLineOption ratio(QStringLiteral("ratio"), QStringLiteral("Device pixel ratio."),
                                   QStringLiteral("ratio"), QStringLiteral("1"));
    const QCommandLineOption compact(QStringLiteral("compact"),
                                     QStringLiteral("Compact card spacing."));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Output PNG."),
                                 QStringLiteral("file"), QStringLiteral("snapshot.png"));
    const QCommandLineOption phase(
        QStringLiteral("phase"),
        QStringLiteral("Drive the demo session first: scanning, cancelled, results, review, "
                       "completed."),
        QStringLiteral("phase"));
    parser.addOptions({section, settings, size, appearance, ratio, compact, out, phase});
    parser.process(app);

    QTemporaryDir dir;
    vesk::SettingsFile store(dir.filePath(QStringLiteral("vesk.conf")));
    vesk::VeskApp vesk(store, platformDark);
    const auto chosenAppearance = vesk::fromRawValue<vesk::Appearance>(parser.value(appearance));
    vesk.preferences().setAppearance(chosenAppearance.value_or(vesk::Appearance::light));
    vesk.preferences().setCompactCards(parser.isSet(compact));

    if (parser.isSet(phase)) {
        const QString wanted = parser.value(phase);
        vesk::DemoSession &session = vesk.session();
        const bool quick = wanted != QStringLiteral("scanning");
        session.start(true, {}, quick ? std::chrono::milliseconds(0) : std::chrono::hours(1));
        while (quick && session.phase() == vesk::ScanPhase::scanning)
            QApplication::processEvents();
        if (wanted == QStringLiteral("cancelled")) {
            session.start(true, {}, std::chrono::hours(1));
            session.cancel();
        }
        if (wanted == QStringLiteral("review") || wanted == QStringLiteral("completed"))
            session.review();
        if (wanted == QStringLiteral("completed"))
            session.completeSimulation();
    }

    const QStringList dimensions = parser.value(size).split(QLatin1Char('x'));
    const QSize contentSize(dimensions.value(0).toInt(), dimensions.value(1).toInt());
    const qreal scale = parser.value(ratio).toDouble();

    QPixmap picture;
    if (parser.isSet(settings)) {
        vesk.showSettings();
        vesk::SettingsView *view = vesk.settingsWindow();
        view->setTab(parser.value(settings));
        settle();
        picture = render(*view, scale);
    } else {
        const auto chosen = vesk::fromRawValue<vesk::Section>(parser.value(section));
        if (!chosen) {
            std::fprintf(stderr, "Unknown section: %s\n", qPrintable(parser.value(section)));
            return 2;
        }
        vesk.navigation().setSelection(*chosen);
        vesk::MainWindow *window = vesk.mainWindow();
        window->show();
        settle();
        const QSize chrome = window->size() - window->centralWidget()->size();
        window->resize(contentSize.expandedTo(vesk::MainWindow::minimumContentSize) + chrome);
        settle();
        picture = render(*window->rootView(), scale);
    }
    if (!picture.save(parser.value(out))) {
        std::fprintf(stderr, "Could not write %s\n", qPrintable(parser.value(out)));
        return 1;
    }
    return 0;
}
