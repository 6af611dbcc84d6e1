// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// What a person can do with the mouse and keyboard, and what can be in the
// settings file, must never break vesk. A seeded monkey drives the real
// widgets and checks the application's invariants after every event; the
// settings reader is fed a thousand corrupt files; scans are started and
// cancelled in storms.
//
// The monkey's seed and length come from VESK_MONKEY_SEED and
// VESK_MONKEY_EVENTS (scripts/monkey.sh sets them for long runs).

#include "TestApp.h"

#include "VeskCore/DemoSession.h"
#include "VeskCore/Display.h"
#include "VeskCore/NavigationState.h"
#include "VeskCore/Preferences.h"
#include "VeskCore/ScanTask.h"
#include "settings/SettingsView.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"
#include "shell/ScreenFactory.h"
#include "shell/Sidebar.h"
#include "shell/TitleBar.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

using namespace vesk;
using namespace Qt::StringLiterals;

namespace {

// The phase machine: any phase may start a new scan; the rest move forward
// one step at a time, and a review may go back to its results.
bool isTransition(ScanPhase from, ScanPhase to)
{
    if (to == ScanPhase::scanning)
        return true;
    switch (from) {
    case ScanPhase::scanning:
        return to == ScanPhase::results || to == ScanPhase::cancelled;
    case ScanPhase::results:
        return to == ScanPhase::review;
    case ScanPhase::review:
        return to == ScanPhase::results || to == ScanPhase::completed;
    default:
        return false;
    }
}

const char *screenClass(Section section)
{
    switch (section) {
    case Section::home:
        return "vesk::HomeView";
    case Section::cleanup:
        return "vesk::CleanupView";
    case Section::storage:
        return "vesk::StorageView";
    case Section::applications:
        return "vesk::ApplicationsView";
    case Section::performance:
        return "vesk::PerformanceView";
    case Section::privacy:
        return "vesk::PrivacyView";
    case Section::history:
        return "vesk::HistoryView";
    }
    return "";
}

quint32 environmentNumber(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// Widgets a person could reach now: a modal sheet or alert shuts out
// everything beneath it.
QList<QWidget *> reachableWindows(VeskApp &app)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return {modal};
    QList<QWidget *> windows{app.mainWindow()};
    if (app.settingsWindow() && app.settingsWindow()->isVisible())
        windows << app.settingsWindow();
    return windows;
}

QList<QWidget *> clickable(const QList<QWidget *> &windows)
{
    QList<QWidget *> targets;
    for (QWidget *window : windows) {
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isVisible() || !widget->isEnabled() || widget->width() <= 0 ||
                qobject_cast<QComboBox *>(widget))
                continue;
            if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget) ||
                widget->focusPolicy() & Qt::ClickFocus)
                targets << widget;
        }
    }
    return targets;
}

QtMessageHandler forwardedHandler = nullptr;

// Qt reports each unreadable stored variant, and the offscreen platform each
// raise(); thousands of them would only bury the test's own output.
void dropNoise(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.startsWith(QLatin1String("QVariant::load")) &&
        !text.startsWith(QLatin1String("This plugin does not support")))
        forwardedHandler(type, context, text);
}

} // namespace

class tst_Reliability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestApp::prepareApplication(); }
    void monkey();
    void scanStorm_data();
    void scanStorm();
    void closedSheetsAreFreed();
};

void tst_Reliability::monkey()
{
    const quint32 seed = environmentNumber("VESK_MONKEY_SEED", 5);
    const int events = int(environmentNumber("VESK_MONKEY_EVENTS", 2000));
    QRandomGenerator random(seed);
    forwardedHandler = qInstallMessageHandler(dropNoise);
    auto restore = qScopeGuard([] { qInstallMessageHandler(forwardedHandler); });

    TestApp app;
    app->setScanTick(std::chrono::milliseconds(1));
    MainWindow *window = app->mainWindow();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    DemoSession &session = app->session();
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());

    int event = 0;
    QString fault;
    auto fail = [&](const QString &what) {
        if (fault.isEmpty())
            fault = QStringLiteral("seed %1, event %2: %3").arg(seed).arg(event).arg(what);
    };

    ScanPhase phase = session.phase();
    int completions = 0;
    QMap<ScanPhase, int> phasesReached;
    QSet<QString> modalsSeen;
    QSet<Section> sectionsSeen;
    connect(&session, &DemoSession::phaseChanged, this, [&] {
        if (!isTransition(phase, session.phase()))
            fail(QStringLiteral("phase %1 → %2").arg(int(phase)).arg(int(session.phase())));
        phase = session.phase();
        ++phasesReached[phase];
        completions += phase == ScanPhase::completed;
    });
    QList<HistoryEntry> history = session.history();

    auto checkInvariants = [&] {
        // The selection names only candidates of the current scan.
        QSet<QString> ids;
        for (const Candidate &candidate : session.candidates())
            ids.insert(candidate.id);
        if (!ids.contains(session.selectedIDs()))
            fail(QStringLiteral("selection outside the candidates"));

        // History only grows, at the front, one record per completed
        // simulation.
        const QList<HistoryEntry> now = session.history();
        const qsizetype added = now.size() - history.size();
        if (added < 0 || added > 1 ||
            (added == 1 && completions == 0 &&
             now.first().title != QStringLiteral("Desinstal·lació simulada")))
            fail(QStringLiteral("history went from %1 to %2 records")
                     .arg(history.size())
                     .arg(now.size()));
        else if (completions > 1 || (completions == 1 && added != 1))
            fail(QStringLiteral("%1 completions added %2 records").arg(completions).arg(added));
        else if (now.mid(added).size() != history.size() ||
                 !std::equal(
                     history.cbegin(), history.cend(), now.cbegin() + added,
                     [](const HistoryEntry &a, const HistoryEntry &b) { return a.id == b.id; }))
            fail(QStringLiteral("older history records changed"));
        history = now;
        completions = 0;

        // The sidebar, the title bar and the screen all show the selection.
        const Section section = app->navigation().selection();
        RootView *root = window->rootView();
        const int row = int(allCases<Section>().indexOf(section));
        if (root->sidebar()->sectionList()->currentIndex().row() != row)
            fail(QStringLiteral("sidebar highlights row %1, selection is %2")
                     .arg(root->sidebar()->sectionList()->currentIndex().row())
                     .arg(row));
        if (root->titleBar()->title() != Display::title(section))
            fail(QStringLiteral("title bar reads %1").arg(root->titleBar()->title()));
        if (!root->screen() ||
            qstrcmp(root->screen()->metaObject()->className(), screenClass(section)) != 0)
            fail(QStringLiteral("the screen shown is not %1")
                     .arg(QLatin1String(screenClass(section))));

        // The example browser data shows only with consent.
        if (section == Section::privacy && root->screen()) {
            const QWidget *rows = root->screen()->findChild<QWidget *>(u"browserRows"_s);
            const QCheckBox *consent = root->screen()->findChild<QCheckBox *>();
            if (rows && consent && rows->isVisibleTo(root->screen()) && !consent->isChecked())
                fail(QStringLiteral("browser rows shown without consent"));
        }
    };

    static const QList<int> keys{Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return,
                                 Qt::Key_Enter, Qt::Key_Escape,  Qt::Key_Left,  Qt::Key_Right,
                                 Qt::Key_Up,    Qt::Key_Down};
    static const QStringList typed{QStringLiteral("a"), QStringLiteral("Fot"), QStringLiteral("à"),
                                   QStringLiteral(" "), QStringLiteral("zzz")};

    for (event = 0; event < events && fault.isEmpty(); ++event) {
        const QList<QWidget *> windows = reachableWindows(*app);
        // A person brings a window to the front before typing into it.
        QWidget *active = windows.at(int(random.bounded(windows.size())));
        if (QApplication::activeWindow() != active) {
            active->activateWindow();
            (void)QTest::qWaitForWindowActive(active);
        }
        const int kind = int(random.bounded(100));
        if (kind < 45) {
            const QList<QWidget *> targets = clickable(windows);
            if (!targets.isEmpty()) {
                QWidget *target = targets.at(int(random.bounded(targets.size())));
                if (auto *view = qobject_cast<QAbstractItemView *>(target))
                    target = view->viewport();
                const QPoint at(int(random.bounded(qMax(1, target->width()))),
                                int(random.bounded(qMax(1, target->height()))));
                QTest::mouseClick(target, Qt::LeftButton, {}, at);
            }
        } else if (kind < 70) {
            QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : active;
            if (qobject_cast<QLineEdit *>(focus) && random.bounded(2))
                for (const QChar letter : typed.at(int(random.bounded(typed.size()))))
                    QTest::sendKeyEvent(QTest::Click, focus, Qt::Key(letter.toUpper().unicode()),
                                        QString(letter), Qt::NoModifier);
            else
                QTest::keyClick(focus, Qt::Key(keys.at(int(random.bounded(keys.size())))));
        } else if (kind < 78) {
            QTest::keyClick(active, Qt::Key(Qt::Key_1 + int(random.bounded(7))),
                            Qt::ControlModifier);
        } else if (kind < 84) {
            window->resize(minimum.width() + int(random.bounded(1600 - minimum.width() + 1)),
                           minimum.height() + int(random.bounded(1000 - minimum.height() + 1)));
        } else if (kind < 88) {
            const QList<Appearance> appearances = allCases<Appearance>();
            app->preferences().setAppearance(
                appearances.at(int(random.bounded(appearances.size()))));
        } else if (kind < 90) {
            if (!QApplication::activeModalWidget())
                random.bounded(2) ? app->showSettings() : app->showAbout();
        } else {
            // Let time pass: scans tick, deferred deletions run.
            QTest::qWait(int(random.bounded(1, 30)));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        checkInvariants();
        if (QWidget *modal = QApplication::activeModalWidget())
            modalsSeen.insert(QString::fromLatin1(modal->metaObject()->className()));
        sectionsSeen.insert(app->navigation().selection());
    }
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    qInfo("monkey: seed %u, %d events, no fault; %d sections, %d scans, %d results, %d "
          "completed, %d cancelled; %d history records; modal windows: %s",
          seed, event, int(sectionsSeen.size()), phasesReached.value(ScanPhase::scanning),
          phasesReached.value(ScanPhase::results), phasesReached.value(ScanPhase::completed),
          phasesReached.value(ScanPhase::cancelled), int(session.history().size()),
          qPrintable(QStringList(modalsSeen.cbegin(), modalsSeen.cend()).join(u", "_s)));

    // Close whatever is open, as on quitting.
    while (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
    if (app->settingsWindow())
        app->settingsWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_Reliability::scanStorm_data()
{
    QTest::addColumn<bool>("endWithCancel");
    QTest::newRow("last call starts") << false;
    QTest::newRow("last call cancels") << true;
}

void tst_Reliability::scanStorm()
{
    QFETCH(bool, endWithCancel);
    TestApp app;
    DemoSession &session = app->session();
    const auto tick = std::chrono::milliseconds(1);
    QRandomGenerator random(7);

    auto liveTasks = [&] {
        int live = 0;
        for (const ScanTask *task : session.findChildren<ScanTask *>())
            live += !task->isCancelled() && task->isRunning();
        return live;
    };
    for (int i = 0; i < 1000; ++i) {
        session.start(true, {}, tick);
        session.cancel();
        session.start(true, {}, tick);
        QVERIFY2(liveTasks() <= 1, qPrintable(QStringLiteral("sequence %1").arg(i)));
        QCOMPARE(session.phase(), ScanPhase::scanning);
        // Now and then let ticks and deferred deletions through.
        if (random.bounded(4) == 0) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
            QVERIFY(liveTasks() <= 1);
            // A finished scan may have reached its results; nothing else.
            QVERIFY(session.phase() == ScanPhase::scanning ||
                    session.phase() == ScanPhase::results);
        }
    }
    session.start(true, {}, tick);
    if (endWithCancel)
        session.cancel();
    const ScanPhase expected = endWithCancel ? ScanPhase::cancelled : ScanPhase::results;
    QTRY_COMPARE_WITH_TIMEOUT(session.phase(), expected, 5000);
    QTest::qWait(150); // well past 50 ticks: nothing stale may move the session now
    QCOMPARE(session.phase(), expected);
    QCOMPARE(session.progress(), endWithCancel ? 0.0 : 1.0);
    QCOMPARE(liveTasks(), 0);
    // The old tasks do not pile up.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(session.findChildren<ScanTask *>().size() <= 1);
}

void tst_Reliability::closedSheetsAreFreed()
{
    // (A screen left behind is the shell test's: each switch frees the old one.)
    TestApp app;
    app->mainWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(app->mainWindow()));
    app->showSettings();
    QPointer<SettingsView> settings = app->settingsWindow();
    QVERIFY(settings);
    settings->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(settings.isNull());

    // A sheet closed with Escape goes with its window.
    app->navigation().setSelection(Section::privacy);
    QCoreApplication::processEvents();
    QWidget *privacy = app->mainWindow()->rootView()->screen();
    QAbstractButton *how = nullptr;
    for (QAbstractButton *button : privacy->findChildren<QAbstractButton *>())
        if (button->text() == QStringLiteral("Com revisar-ho a macOS"))
            how = button;
    QVERIFY(how);
    QTRY_VERIFY(how->height() > 0); // the card grid settles its columns first
    QTest::mouseClick(how, Qt::LeftButton);
    QPointer<QWidget> sheet = QApplication::activeModalWidget();
    QVERIFY(sheet);
    QTest::keyClick(sheet, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(sheet.isNull());
}

QTEST_MAIN(tst_Reliability)
#include "tst_Reliability.moc"
