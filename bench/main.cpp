// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// vesk-bench: start-up, memory, section switches, resizes, the appearance
// switch and idle wake-ups, measured in one run with repeated samples. Prints
// a table, and as its last line one JSON object with every figure.
//
//   vesk-bench [--runs N] [--switches N] [--section RAW]

#include "FirstPaintProbe.h"
#include "Stats.h"
#include "VeskCore/Display.h"
#include "VeskCore/SettingsFile.h"
#include "settings/SettingsView.h"
#include "shell/Launcher.h"
#include "shell/MainWindow.h"
#include "shell/ScreenFactory.h"
#include "shell/VeskApp.h"
#include "storage/TreemapLayout.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace vesk;
using namespace Qt::StringLiterals;

namespace {

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

QJsonObject toJson(const Stats &stats)
{
    return {{u"min"_s, stats.minimum},
            {u"median"_s, stats.median},
            {u"max"_s, stats.maximum},
            {u"samples"_s, stats.count}};
}

void printRow(const char *name, const Stats &stats, const char *unit)
{
    std::printf("  %-34s %9.2f %9.2f %9.2f %s  (n=%d)\n", name, stats.minimum, stats.median,
                stats.maximum, unit, stats.count);
}

// Runs `program` with `arguments` until it reports its first paint; returns
// the wall time in ms and the peak resident memory in kB it reported.
std::pair<double, double> timeStartup(const QString &program, const QStringList &arguments,
                                      const QProcessEnvironment &environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    QByteArray output;
    while (!output.contains('\n') && child.waitForReadyRead(10000))
        output += child.readAllStandardOutput();
    const double elapsed = msSince(timer);
    child.waitForFinished(10000);
    const QList<QByteArray> words = output.trimmed().split(' ');
    if (words.value(0) != "painted")
        return {-1, -1};
    return {elapsed, words.value(1).toDouble()};
}

// Counts timer events and paints delivered while it lives.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QObject *ignored) : m_ignored(ignored)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~EventCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    int timers = 0;
    int scanTicks = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer && watched != m_ignored) {
            ++timers;
            if (watched->parent() && watched->parent()->inherits("vesk::ScanTask"))
                ++scanTicks;
        } else if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }

private:
    QObject *m_ignored;
};

void runFor(int ms, QTimer &timer)
{
    QEventLoop loop;
    timer.setSingleShot(true);
    timer.setInterval(ms);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start();
    loop.exec();
}

// Kept out of line so a profiler can collect exactly the timed part
// (valgrind --tool=callgrind --toggle-collect='*timedSwitch*').
[[gnu::noinline]] double timedSwitch(NavigationState &navigation, Section section)
{
    QElapsedTimer timer;
    timer.start();
    navigation.setSelection(section);
    // Layout, then the paint of what the switch left dirty (the new screen,
    // the title and two sidebar rows), as the event loop would.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    return msSince(timer);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// 1–2. Start-up and peak memory, vesk and the minimal window alternating.
void measureStartup(int runCount, const QString &home, QJsonObject &json)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    const QString self = QCoreApplication::applicationFilePath();
    const QString minimal =
        QCoreApplication::applicationDirPath() + QStringLiteral("/vesk-bench-minimal");
    QList<double> vStart, vMemory, mStart, mMemory;
    for (int i = 0; i < runCount; ++i) {
        const auto [vt, vm] = timeStartup(self, {QStringLiteral("--child-startup")}, environment);
        const auto [mt, mm] = timeStartup(minimal, {}, environment);
        if (vt > 0) {
            vStart << vt;
            vMemory << vm / 1024.0;
        }
        if (mt > 0) {
            mStart << mt;
            mMemory << mm / 1024.0;
        }
    }
    const Stats vStartup = Stats::of(vStart), bStartup = Stats::of(mStart);
    const Stats vMem = Stats::of(vMemory), bMem = Stats::of(mMemory);
    std::printf("  %-34s %9s %9s %9s\n", "", "min", "median", "max");
    printRow("start-up, vesk", vStartup, "ms");
    printRow("start-up, minimal Qt window", bStartup, "ms");
    printRow("peak memory, vesk", vMem, "MiB");
    printRow("peak memory, minimal Qt window", bMem, "MiB");
    const double startupRatio = bStartup.median > 0 ? vStartup.median / bStartup.median : 0;
    const double memoryRatio = bMem.median > 0 ? vMem.median / bMem.median : 0;
    std::printf("  start-up ratio %.2f, memory ratio %.2f (medians)\n\n", startupRatio,
                memoryRatio);
    json[u"startup"] = QJsonObject{{u"vesk_ms"_s, toJson(vStartup)},
                                   {u"minimal_ms"_s, toJson(bStartup)},
                                   {u"ratio"_s, startupRatio}};
    json[u"peak_memory"] = QJsonObject{
        {u"vesk_mib"_s, toJson(vMem)}, {u"minimal_mib"_s, toJson(bMem)}, {u"ratio"_s, memoryRatio}};
}

// The running application as a person has it, at the default window size.
struct Session
{
    VeskApp &application;
    MainWindow *window;
    QSize chrome;
    QList<Section> sections = allCases<Section>();
};

// 3. Section switches: selection set to the new screen painted.
void measureSwitches(Session &bench, int switchCount, std::optional<Section> onlySection,
                     QJsonObject &json)
{
    QJsonObject switchJson;
    for (Section section : bench.sections) {
        if (onlySection && section != *onlySection)
            continue;
        QList<double> samples;
        for (int i = 0; i < switchCount; ++i) {
            const Section away = section == Section::home ? Section::history : Section::home;
            bench.application.navigation().setSelection(away);
            settle();
            samples << timedSwitch(bench.application.navigation(), section);
            settle();
        }
        const Stats stats = Stats::of(samples);
        printRow(qPrintable(QStringLiteral("switch to ") + Display::title(section)), stats, "ms");
        switchJson[rawValue(section)] = toJson(stats);
    }
    json[u"section_switch_ms"] = switchJson;
}

// 4. Resize between the minimum and a large window, relayout and paint.
void measureResizes(Session &bench, QJsonObject &json)
{
    QJsonObject resizeJson;
    for (Section section : bench.sections) {
        bench.application.navigation().setSelection(section);
        settle();
        QList<double> samples;
        for (int i = 0; i < 10; ++i) {
            const QSize size = i % 2 ? QSize(1600, 1000) : QSize(800, 580);
            QElapsedTimer timer;
            timer.start();
            bench.window->resize(size + bench.chrome);
            QCoreApplication::sendPostedEvents();
            bench.window->repaint();
            samples << msSince(timer);
        }
        const Stats stats = Stats::of(samples);
        printRow(qPrintable(QStringLiteral("resize ") + Display::title(section)), stats, "ms");
        resizeJson[rawValue(section)] = toJson(stats);
    }
    json[u"resize_ms"] = resizeJson;
    bench.window->resize(QSize(1100, 760) + bench.chrome);
    bench.application.navigation().setSelection(Section::home);
    settle();
}

// 5. Appearance switch, both windows repainted.
void measureAppearance(Session &bench, QJsonObject &json)
{
    bench.application.showSettings();
    settle();
    QList<double> samples;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer timer;
        timer.start();
        bench.application.preferences().setAppearance(i % 2 ? Appearance::light : Appearance::dark);
        bench.window->repaint();
        bench.application.settingsWindow()->repaint();
        samples << msSince(timer);
        settle();
    }
    const Stats appearance = Stats::of(samples);
    printRow("appearance switch (both windows)", appearance, "ms");
    json[u"appearance_switch_ms"] = toJson(appearance);
    bench.application.settingsWindow()->close();
    settle();
}

// 6. Idle for two seconds, then one simulated scan at 90 ms.
void measureWakeUps(Session &bench, QJsonObject &json)
{
    QTimer clock;
    int idleTimers = 0, idlePaints = 0, scanTicks = 0, scanTimers = 0;
    {
        EventCounter counter(&clock);
        runFor(2000, clock);
        idleTimers = counter.timers;
        idlePaints = counter.paints;
    }
    {
        EventCounter counter(&clock);
        bench.application.session().start(true, {}, std::chrono::milliseconds(90));
        runFor(4500 + 400, clock);
        scanTicks = counter.scanTicks;
        scanTimers = counter.timers;
    }
    std::printf("\n  idle 2 s: %d timer events, %d paints\n", idleTimers, idlePaints);
    std::printf("  one scan at 90 ms: %d scan ticks, %d timer events in all (with the "
                "sidebar spinner), phase %s\n",
                scanTicks, scanTimers,
                bench.application.session().phase() == ScanPhase::results ? "results"
                                                                          : "not finished");
    json[u"idle"] = QJsonObject{{u"timer_events"_s, idleTimers}, {u"paints"_s, idlePaints}};
    json[u"scan"] = QJsonObject{{u"scan_ticks"_s, scanTicks}, {u"timer_events"_s, scanTimers}};
}

// 7. Resident memory before and after 1000 switches.
void measureMemoryGrowth(Session &bench, QJsonObject &json)
{
    settle();
    const qint64 before = FirstPaintProbe::residentKb();
    for (int i = 0; i < 1000; ++i) {
        bench.application.navigation().setSelection(bench.sections.at(i % bench.sections.size()));
        QCoreApplication::sendPostedEvents();
        bench.window->repaint();
        settle();
    }
    const qint64 after = FirstPaintProbe::residentKb();
    std::printf("  resident memory: %.2f MiB before, %.2f MiB after 1000 switches (%+.2f MiB)\n",
                before / 1024.0, after / 1024.0, (after - before) / 1024.0);
    json[u"memory_growth_kib"] = double(after - before);
}

// 8. The treemap layout over synthetic folders, to show how it scales.
void measureTreemap(QJsonObject &json)
{
    QJsonObject treemapJson;
    std::printf("\n");
    for (const int count : {1000, 10000, 100000}) {
        QList<qint64> sizes;
        sizes.reserve(count);
        quint32 seed = 12345;
        for (int i = 0; i < count; ++i) {
            seed = seed * 1664525u + 1013904223u; // a fixed, repeatable series
            sizes << qint64(seed % 50'000'000) + 1;
        }
        QList<double> samples;
        for (int i = 0; i < 10; ++i) {
            QElapsedTimer timer;
            timer.start();
            const auto tiles = TreemapLayout::tiles(sizes, QRectF(0, 0, 1190, 300));
            samples << msSince(timer);
            if (tiles.size() != count)
                std::printf("  (treemap laid out %lld of %d nodes)\n",
                            static_cast<long long>(tiles.size()), count);
        }
        const Stats stats = Stats::of(samples);
        printRow(qPrintable(QStringLiteral("treemap layout, %1 nodes").arg(count)), stats, "ms");
        treemapJson[QString::number(count)] = toJson(stats);
    }
    json[u"treemap_layout_ms"] = treemapJson;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--child-startup") == 0) {
        int childArgc = 1;
        return launch(childArgc, argv,
                      [](VeskApp &vesk) { new FirstPaintProbe(vesk.mainWindow()); });
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runs(QStringLiteral("runs"),
                                  QStringLiteral("Start-up samples per program."),
                                  QStringLiteral("n"), QStringLiteral("10"));
    const QCommandLineOption switches(QStringLiteral("switches"),
                                      QStringLiteral("Switches into each section."),
                                      QStringLiteral("n"), QStringLiteral("30"));
    const QCommandLineOption only(QStringLiteral("section"),
                                  QStringLiteral("Measure switches into this section only."),
                                  QStringLiteral("name"));
    parser.addOptions({runs, switches, only});
    parser.process(app);
    const int runCount = qMax(1, parser.value(runs).toInt());
    const int switchCount = qMax(1, parser.value(switches).toInt());

    prepareApplication();

    QJsonObject json;
    QTemporaryDir home;
    std::printf("vesk-bench (Qt %s, %d start-up samples, %d switches per section)\n\n", qVersion(),
                runCount, switchCount);
    measureStartup(runCount, home.path(), json);

    SettingsFile store(home.filePath(QStringLiteral("bench.conf")));
    VeskApp application(store, false);
    MainWindow *window = application.mainWindow();
    window->show();
    settle();
    Session bench{application, window, window->size() - window->centralWidget()->size()};
    window->resize(QSize(1100, 760) + bench.chrome);
    settle();

    measureSwitches(bench, switchCount, fromRawValue<Section>(parser.value(only)), json);
    measureResizes(bench, json);
    measureAppearance(bench, json);
    measureWakeUps(bench, json);
    measureMemoryGrowth(bench, json);
    measureTreemap(json);

    std::printf("\n%s\n", QJsonDocument(json).toJson(QJsonDocument::Compact).constData());
    return 0;
}
