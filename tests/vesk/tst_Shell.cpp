// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TestApp.h"

#include "SystemAppearance.h"

#include "shell/AppIconEngine.h"

#include "VeskCore/DemoSession.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"
#include "shell/Sidebar.h"
#include "shell/TitleBar.h"

#include "DesignSystem/text/TextLabel.h"
#include <QAbstractButton>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace vesk;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Rows are 43 high with 5 between them, from the top of the list.
QPoint rowCentre(QListView *list, Section section)
{
    return {list->viewport()->width() / 2, int(section) * (43 + 5) + 43 / 2};
}

void showMain(TestApp &app)
{
    MainWindow *window = app->mainWindow();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class tst_Shell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestApp::prepareApplication(); }
    void opensOnTheStoredStartSection();
    void sidebarAndShortcutsSelectOnlyTheSection_data();
    void sidebarAndShortcutsSelectOnlyTheSection();
    void choosingTheShownSectionKeepsItsScreen();
    void rowsTakeClicksOverTheirOwnHeight_data();
    void rowsTakeClicksOverTheirOwnHeight();
    void compactSidebarThreshold_data();
    void compactSidebarThreshold();
    void scanIndicatorFollowsTheScan();
    void appearanceRepaintsWithoutRebuilding();
    void systemAppearanceFollowsThemeChanges();
    void settingsLinkAndAboutLeaveTheSelection();
    void windowMenuActsOnTheActiveWindow();
};

void tst_Shell::opensOnTheStoredStartSection()
{
    TestApp app("[General]\nstartSection=Historial\n");
    QCOMPARE(app->navigation().selection(), Section::history);
    QCOMPARE(app->mainWindow()->rootView()->titleBar()->title(), QStringLiteral("Historial"));
    QCOMPARE(app->mainWindow()->size(), MainWindow::defaultSize);
    QCOMPARE(app->mainWindow()->windowTitle(), QStringLiteral("vesk"));
    QCOMPARE(app->mainWindow()->rootView()->minimumSize(), MainWindow::minimumContentSize);
}

void tst_Shell::sidebarAndShortcutsSelectOnlyTheSection_data()
{
    QTest::addColumn<Section>("section");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("byKeyboard");
    // Inici is the start section: choosing it would change nothing.
    const QList<std::pair<Section, const char *>> sections = {
        {Section::cleanup, "Neteja"},           {Section::storage, "Espai"},
        {Section::applications, "Aplicacions"}, {Section::performance, "Rendiment"},
        {Section::privacy, "Privacitat"},       {Section::history, "Historial"},
    };
    for (const auto &[section, title] : sections) {
        QTest::addRow("click %s", title) << section << QString::fromUtf8(title) << false;
        QTest::addRow("Ctrl+%d", int(section) + 1) << section << QString::fromUtf8(title) << true;
    }
}

void tst_Shell::sidebarAndShortcutsSelectOnlyTheSection()
{
    QFETCH(Section, section);
    QFETCH(QString, title);
    QFETCH(bool, byKeyboard);

    TestApp app;
    showMain(app);
    RootView *root = app->mainWindow()->rootView();
    const QPointer<QWidget> before = root->screen();
    const QByteArray settingsBefore = app.settingsText();
    QSignalSpy mode(&app->navigation(), &NavigationState::storageModeChanged);
    QSignalSpy phase(&app->session(), &DemoSession::phaseChanged);

    if (byKeyboard) {
        QTest::keyClick(app->mainWindow(), Qt::Key(Qt::Key_1 + int(section)), Qt::ControlModifier);
    } else {
        QListView *list = root->sidebar()->sectionList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, section));
    }

    QCOMPARE(app->navigation().selection(), section);
    QCOMPARE(root->titleBar()->title(), title);
    QCOMPARE(root->sidebar()->sectionList()->currentIndex().row(), int(section));
    QVERIFY(root->screen() != before.data());
    QTRY_VERIFY(before.isNull()); // the old screen is freed
    // Nothing else moved.
    QCOMPARE(mode.size(), 0);
    QCOMPARE(phase.size(), 0);
    QCOMPARE(app->preferences().startSection(), Section::home);
    QCOMPARE(app.settingsText(), settingsBefore);
}

void tst_Shell::choosingTheShownSectionKeepsItsScreen()
{
    TestApp app;
    showMain(app);
    RootView *root = app->mainWindow()->rootView();
    QWidget *screen = root->screen();
    QSignalSpy changed(root, &RootView::screenChanged);
    QListView *list = root->sidebar()->sectionList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, Section::home));
    QTest::keyClick(app->mainWindow(), Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(root->screen(), screen);
}

void tst_Shell::rowsTakeClicksOverTheirOwnHeight_data()
{
    // Points down the list measured from the top of the "Espai" row (the
    // third, 2 × 48 down): its 43 rows of pixels choose it, the 5 below do not.
    QTest::addColumn<int>("offset");
    QTest::addColumn<Section>("expected");
    QTest::newRow("first line") << 0 << Section::storage;
    QTest::newRow("last line") << 42 << Section::storage;
    QTest::newRow("gap, top") << 43 << Section::home;
    QTest::newRow("gap, bottom") << 47 << Section::home;
    QTest::newRow("next row") << 48 << Section::applications;
}

void tst_Shell::rowsTakeClicksOverTheirOwnHeight()
{
    QFETCH(int, offset);
    QFETCH(Section, expected);
    TestApp app;
    showMain(app);
    QListView *list = app->mainWindow()->rootView()->sidebar()->sectionList();
    const QPoint point(list->viewport()->width() / 2, 2 * (43 + 5) + offset);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(app->navigation().selection(), expected);
    QCOMPARE(list->currentIndex().row(), int(expected));
}

void tst_Shell::compactSidebarThreshold_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("compact");
    QTest::newRow("minimum window") << 580 << true;
    QTest::newRow("639") << 639 << true;
    QTest::newRow("640") << 640 << false;
    QTest::newRow("default window") << 760 << false;
}

void tst_Shell::compactSidebarThreshold()
{
    QFETCH(int, height);
    QFETCH(bool, compact);
    TestApp app;
    MainWindow *window = app->mainWindow();
    window->show();
    RootView *root = window->rootView();
    window->resize(QSize(1000, height) + window->size() - root->size());
    QCoreApplication::processEvents();
    Sidebar *sidebar = root->sidebar();
    QCOMPARE(sidebar->height(), height);
    QCOMPARE(sidebar->compact(), compact);
    // Everything fits: the footer's version line ends inside the column.
    const vesk::TextLabel *version = nullptr;
    for (const vesk::TextLabel *label : sidebar->findChildren<vesk::TextLabel *>())
        if (label->text() == QStringLiteral("vesk 0.1 · Prototip"))
            version = label;
    QVERIFY(version);
    QVERIFY(version->mapTo(sidebar, QPoint(0, version->height())).y() <= height);
    // The eyebrow only appears in the full sidebar.
    bool eyebrowShown = false;
    for (const vesk::TextLabel *label : sidebar->findChildren<vesk::TextLabel *>())
        eyebrowShown |=
            label->text() == QStringLiteral("EL TEU ESPAI, A PUNT") && label->isVisibleTo(sidebar);
    QCOMPARE(eyebrowShown, !compact);
}

void tst_Shell::scanIndicatorFollowsTheScan()
{
    TestApp app;
    showMain(app);
    Sidebar *sidebar = app->mainWindow()->rootView()->sidebar();
    QVERIFY(!sidebar->showsScanIndicator());

    app->session().start(true, {}, 10ms);
    QVERIFY(sidebar->showsScanIndicator());
    app->navigation().setSelection(Section::history); // any section
    QVERIFY(sidebar->showsScanIndicator());
    QSignalSpy phase(&app->session(), &DemoSession::phaseChanged);
    QVERIFY(phase.wait(5000));
    QCOMPARE(app->session().phase(), ScanPhase::results);
    QVERIFY(!sidebar->showsScanIndicator());

    app->session().start(true, {}, 1h);
    QVERIFY(sidebar->showsScanIndicator());
    app->session().cancel();
    QVERIFY(!sidebar->showsScanIndicator());
}

void tst_Shell::appearanceRepaintsWithoutRebuilding()
{
    TestApp app;
    showMain(app);
    RootView *root = app->mainWindow()->rootView();
    QWidget *screen = root->screen();
    const QPoint titleBarPixel(root->titleBar()->width() / 2, 5);

    QCOMPARE(root->titleBar()->grab().toImage().pixelColor(titleBarPixel), QColor(0xF4F5F2));
    app->preferences().setAppearance(Appearance::dark);
    QCOMPARE(app->theme().scheme(), Palette::Scheme::dark);
    QCOMPARE(root->titleBar()->grab().toImage().pixelColor(titleBarPixel), QColor(0x15272A));
    QCOMPARE(root->screen(), screen);

    // "Sistema" follows the desktop, live.
    app->preferences().setAppearance(Appearance::system);
    QCOMPARE(app->theme().scheme(), Palette::Scheme::light);
    app->systemAppearance().setPortalPreference(true);
    QCOMPARE(app->theme().scheme(), Palette::Scheme::dark);
    app->preferences().setAppearance(Appearance::light);
    app->systemAppearance().setPortalPreference(true);
    QCOMPARE(app->theme().scheme(), Palette::Scheme::light);
    QCOMPARE(root->screen(), screen);
}

void tst_Shell::systemAppearanceFollowsThemeChanges()
{
    // Started while the platform was dark; the offscreen platform's theme is
    // light, so the next theme change it reports turns "Sistema" light,
    // while vesk's own palette stays in place throughout.
    TestApp app("[General]\nappearance=Sistema\n", true);
    showMain(app);
    QCOMPARE(app->theme().scheme(), Palette::Scheme::dark);
    const QColor window = QApplication::palette().color(QPalette::Window);
    QSignalSpy changed(&app->systemAppearance(), &SystemAppearance::prefersDarkChanged);
    for (int i = 0; i < 3; ++i) { // one per window, told as one
        QEvent themeChange(QEvent::ThemeChange);
        QApplication::sendEvent(app->mainWindow(), &themeChange);
    }
    QTRY_COMPARE(app->theme().scheme(), Palette::Scheme::light);
    QCOMPARE(changed.size(), 1);
    QVERIFY(QApplication::palette().color(QPalette::Window) != window);
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(0xF4F5F2));

    // A fixed appearance is not moved by the platform.
    app->preferences().setAppearance(Appearance::dark);
    QEvent themeChange(QEvent::ThemeChange);
    QApplication::sendEvent(app->mainWindow(), &themeChange);
    QCoreApplication::processEvents();
    QCOMPARE(app->theme().scheme(), Palette::Scheme::dark);
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(0x15272A));
}

void tst_Shell::settingsLinkAndAboutLeaveTheSelection()
{
    TestApp app;
    showMain(app);
    app->navigation().setSelection(Section::storage);
    Sidebar *sidebar = app->mainWindow()->rootView()->sidebar();
    QAbstractButton *link = nullptr;
    for (QAbstractButton *button : sidebar->findChildren<QAbstractButton *>()) {
        if (button->text() == QStringLiteral("Configuració"))
            link = button;
    }
    QVERIFY(link);
    QTest::mouseClick(link, Qt::LeftButton);
    QVERIFY(app->settingsWindow());
    QVERIFY(app->settingsWindow()->isVisible());
    QCOMPARE(app->navigation().selection(), Section::storage);

    app->showAbout();
    QMessageBox *about = app->aboutBox();
    QVERIFY(about);
    const QString shown = QString(about->text()).replace(QStringLiteral("&nbsp;"), u" "_s);
    QVERIFY(shown.contains(QStringLiteral("0.1 · Demostració")));
    QVERIFY(shown.contains(QStringLiteral("El teu Mac, en forma.")));
    // Wide enough for its longest line, which never wraps; a plain button.
    QTRY_VERIFY(about->isVisible());
    const QString longest = QStringLiteral("Prototip local sense operacions reals.");
    QVERIFY(shown.contains(longest));
    QVERIFY(about->width() > about->fontMetrics().horizontalAdvance(longest));
    QVERIFY(about->button(QMessageBox::Ok)->icon().isNull());
    // The application's icon, the one the desktop entry names.
    QImage icon =
        about->iconPixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    icon.setDevicePixelRatio(1);
    QCOMPARE(icon, vesk::AppIconEngine::image(64 * int(about->iconPixmap().devicePixelRatio())));
    about->close();
    QCOMPARE(app->navigation().selection(), Section::storage);
}

void tst_Shell::windowMenuActsOnTheActiveWindow()
{
#ifdef Q_OS_WIN
    QSKIP("Windows puts these commands in the title bar, not in a menu");
#endif
    TestApp app;
    showMain(app);
    MainWindow *main = app->mainWindow();
    QMenu *menu = nullptr;
    for (QAction *action : main->menuBar()->actions())
        if (action->text() == u"Finestra"_s)
            menu = action->menu();
    QVERIFY(menu);
    QAction *zoom = nullptr;
    for (QAction *action : menu->actions())
        if (action->text() == u"Zoom"_s)
            zoom = action;
    QVERIFY(zoom);

    // Zoom maximises and restores the main window, Ctrl+W closes the settings
    // window when it is the active one and leaves the main window open.
    zoom->trigger();
    QVERIFY(main->isMaximized());
    zoom->trigger();
    QVERIFY(!main->isMaximized());
    app->showSettings();
    QWidget *settings = app->settingsWindow();
    settings->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(settings));
    QTest::keyClick(settings, Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(!settings->isVisible());
    QVERIFY(main->isVisible());
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_M, Qt::ControlModifier);
    QVERIFY(main->isMinimized());

    // Closing the main window while the settings window is open closes both:
    // vesk never runs on with no way back to its main window.
    main->showNormal();
    app->showSettings();
    const QPointer<QWidget> open = app->settingsWindow();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(!main->isVisible());
    QTRY_VERIFY(open.isNull() || !open->isVisible());
}

QTEST_MAIN(tst_Shell)
#include "tst_Shell.moc"
