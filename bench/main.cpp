// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// vesk-bench: start-up, memory, section switches, resizes, the appearance
// switch, wheel scrolling, sheets and idle wake-ups, measured in one run with
// repeated samples. Prints a table, and as its last line one JSON object with
// every figure.
//
// By default the interactions are measured at three configurations, each in
// its own process (the device pixel ratio is fixed when Qt starts): ratio 1
// and ratio 2 at 1100 × 760, and ratio 2 at 2560 × 1440 (a 5K display, the
// window maximised); each is checked against its budgets.
//
//   vesk-bench [--runs N] [--switches N] [--section RAW]
//   vesk-bench --ratio 2 --size 1100x760     one configuration only
//   vesk-bench --instructions                start-up instructions (callgrind)

#include "DesignSystem/RowButton.h"
#include "FirstPaintProbe.h"
#include "Stats.h"
#include "VeskCore/Display.h"
#include "VeskCore/SettingsFile.h"
#include "applications/ApplicationsView.h"
#include "history/HistoryView.h"
#include "settings/SettingsView.h"
#include "shell/Launcher.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"
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
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>

#include <chrono>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <cstdio>

using namespace vesk;
using namespace Qt::StringLiterals;

namespace {

double heapInUseMib()
{
#ifdef __GLIBC__
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
#else
    return 0;
#endif
}

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

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

struct Startup
{
    double ms = -1;                              // from spawn to the first complete paint
    double peakKb = -1;                          // peak resident memory then
    QList<std::pair<QByteArray, double>> stages; // with --startup-profile
};

// Runs `program` with `arguments` until it reports its first paint.
Startup timeStartup(const QString &program, const QStringList &arguments,
                    QProcessEnvironment environment, bool profile)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    if (profile)
        environment.insert(QStringLiteral("VESK_BENCH_SPAWN_NS"), QString::number(monotonicNs()));
    child.setProcessEnvironment(environment);
    timer.start();
    child.start(program, arguments);
    QByteArray output;
    while (!output.contains("painted") && child.waitForReadyRead(10000))
        output += child.readAllStandardOutput();
    while (!output.endsWith('\n') && child.waitForReadyRead(1000))
        output += child.readAllStandardOutput();
    Startup result;
    const double elapsed = msSince(timer);
    child.waitForFinished(10000);
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> words = line.trimmed().split(' ');
        if (words.value(0) == "stage")
            result.stages.append({line.mid(line.indexOf(' ', 6) + 1), words.value(1).toDouble()});
        else if (words.value(0) == "painted")
            result = {elapsed, words.value(1).toDouble(), result.stages};
    }
    if (profile && result.ms > 0)
        result.stages.append({"first complete paint", result.ms});
    return result;
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

// Lays out and paints what is dirty, as the event loop would.
void paintPending()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

// Kept out of line so a profiler can collect exactly the timed part
// (valgrind --tool=callgrind --toggle-collect='*timedSwitch*').
[[gnu::noinline]] double timedSwitch(NavigationState &navigation, Section section)
{
    QElapsedTimer timer;
    timer.start();
    navigation.setSelection(section);
    // Layout, then the paint of what the switch left dirty (the new screen,
    // the title and two sidebar rows).
    paintPending();
    return msSince(timer);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// What every program the benchmark starts runs in: offscreen, with its
// settings in a folder of the run's own.
QProcessEnvironment childEnvironment(const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, home);
    return environment;
}

// 1–2. Start-up and peak memory, vesk and the minimal window alternating.
void measureStartup(int runCount, const QString &home, bool profile, QJsonObject &json)
{
    const QProcessEnvironment environment = childEnvironment(home);
    const QString self = QCoreApplication::applicationFilePath();
    const QString minimal =
        QCoreApplication::applicationDirPath() + QStringLiteral("/vesk-bench-minimal");
    QList<double> vStart, vMemory, mStart, mMemory;
    QMap<QByteArray, QList<double>> stageTimes;
    QList<QByteArray> stageOrder;
    for (int i = 0; i < runCount; ++i) {
        const Startup v =
            timeStartup(self, {QStringLiteral("--child-startup")}, environment, profile);
        const Startup m = timeStartup(minimal, {}, environment, false);
        if (v.ms > 0) {
            vStart << v.ms;
            vMemory << v.peakKb / 1024.0;
            for (const auto &[name, ms] : v.stages) {
                if (!stageOrder.contains(name))
                    stageOrder << name;
                stageTimes[name] << ms;
            }
        }
        if (m.ms > 0) {
            mStart << m.ms;
            mMemory << m.peakKb / 1024.0;
        }
    }
    if (profile) {
        std::printf("  start-up profile of vesk, from spawn to the end of each stage (median):\n");
        QJsonObject stagesJson;
        for (const QByteArray &name : stageOrder) {
            const Stats stats = Stats::of(stageTimes.value(name));
            std::printf("    %-34s %9.2f ms\n", name.constData(), stats.median);
            stagesJson[QString::fromUtf8(name)] = stats.median;
        }
        std::printf("\n");
        json[u"startup_profile_ms"] = stagesJson;
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
    QSize size; // the window's content size between measurements
    QList<Section> sections = allCases<Section>();
};

// 3. Section switches: selection set to the new screen painted.
void measureSwitches(Session &bench, int switchCount, QJsonObject &json)
{
    QJsonObject switchJson;
    for (Section section : bench.sections) {
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

// The same resizes of a window holding one label: what the platform alone
// costs (a new backing store of the window's size in device pixels).
QList<double> resizeFloor(QSize size)
{
    QMainWindow window;
    window.setCentralWidget(new QLabel(u"vesk"_s));
    window.resize(size);
    window.show();
    settle();
    QList<double> samples;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer timer;
        timer.start();
        window.resize(i % 2 ? size : QSize(800, 580));
        QCoreApplication::sendPostedEvents();
        window.repaint();
        samples << msSince(timer);
    }
    return samples;
}

// The samples of the resizes that grew the window (every second one): a new,
// larger backing store each time, the dearest half of the samples.
QList<double> growing(const QList<double> &samples)
{
    QList<double> grown;
    for (qsizetype i = 1; i < samples.size(); i += 2)
        grown << samples.at(i);
    return grown;
}

// 4. Resize between the minimum window and the configuration's, relayout and
// paint; the first resize after a switch is among the samples.
void measureResizes(Session &bench, QJsonObject &json)
{
    QJsonObject resizeJson, growJson;
    QList<double> growMedians;
    for (Section section : bench.sections) {
        bench.application.navigation().setSelection(section);
        settle();
        QList<double> samples;
        for (int i = 0; i < 10; ++i) {
            const QSize size = i % 2 ? bench.size : QSize(800, 580);
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
        const Stats grown = Stats::of(growing(samples));
        growJson[rawValue(section)] = toJson(grown);
        growMedians << grown.median;
    }
    json[u"resize_ms"] = resizeJson;
    json[u"resize_grow_ms"] = growJson;
    const QList<double> floorSamples = resizeFloor(bench.size);
    const Stats floor = Stats::of(floorSamples);
    printRow("resize, minimal Qt window", floor, "ms");
    json[u"resize_floor_ms"] = toJson(floor);
    const Stats floorGrown = Stats::of(growing(floorSamples));
    json[u"resize_floor_grow_ms"] = toJson(floorGrown);
    std::sort(growMedians.begin(), growMedians.end());
    if (!growMedians.isEmpty())
        std::printf("  growing from 800x580 alone, medians: %.2f-%.2f ms, a minimal Qt window "
                    "%.2f ms\n",
                    growMedians.first(), growMedians.last(), floorGrown.median);
    bench.window->resize(bench.size + bench.chrome);
    bench.application.navigation().setSelection(Section::home);
    settle();
}

// The page of the shown section, whose viewport a wheel scrolls.
QScrollArea *shownPage(Session &bench)
{
    return qobject_cast<QScrollArea *>(bench.window->rootView()->screen());
}

// 4b. One wheel step down or up on a long page, scrolled and painted.
void measureScrolling(Session &bench, QJsonObject &json)
{
    QJsonObject scrollJson;
    for (const Section section : {Section::applications, Section::history}) {
        bench.application.navigation().setSelection(section);
        settle();
        QScrollArea *page = shownPage(bench);
        if (!page)
            continue;
        QWidget *viewport = page->viewport();
        const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
        QList<double> samples;
        for (int i = 0; i < 20; ++i) {
            // Down to the end, then back up, a step at a time.
            const int step = (i / 5) % 2 ? 120 : -120;
            QWheelEvent wheel(at, viewport->mapToGlobal(at), {}, {0, step}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QElapsedTimer timer;
            timer.start();
            QCoreApplication::sendEvent(viewport, &wheel);
            paintPending();
            samples << msSince(timer);
        }
        const Stats stats = Stats::of(samples);
        printRow(qPrintable(QStringLiteral("wheel step on ") + Display::title(section)), stats,
                 "ms");
        QJsonObject entry = toJson(stats);
        entry[u"scrollable_px"] = page->verticalScrollBar()->maximum();
        scrollJson[rawValue(section)] = entry;
    }
    json[u"wheel_step_ms"] = scrollJson;
    bench.application.navigation().setSelection(Section::home);
    settle();
}

// 4c. An application's sheet opened from its row and closed again, each
// until painted.
void measureSheets(Session &bench, QJsonObject &json)
{
    bench.application.navigation().setSelection(Section::applications);
    settle();
    auto *view = qobject_cast<ApplicationsView *>(bench.window->rootView()->screen());
    const QList<RowButton *> rows = view ? view->findChildren<RowButton *>() : QList<RowButton *>{};
    QList<double> opening, closing;
    for (int i = 0; view && !rows.isEmpty() && i < 20; ++i) {
        QElapsedTimer timer;
        timer.start();
        rows.at(i % rows.size())->click();
        paintPending();
        opening << msSince(timer);
        QDialog *sheet = view->openSheet();
        if (!sheet)
            break;
        timer.restart();
        sheet->reject();
        paintPending();
        closing << msSince(timer);
        settle();
    }
    const Stats open = Stats::of(opening), close = Stats::of(closing);
    printRow("open an application's sheet", open, "ms");
    printRow("close it", close, "ms");
    json[u"sheet_ms"] = QJsonObject{{u"open"_s, toJson(open)}, {u"close"_s, toJson(close)}};
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

// 7. Resident memory before and after 1000 switches, then after 6000: what a
// long session holds must level off.
void measureMemoryGrowth(Session &bench, QJsonObject &json)
{
    const auto switches = [&bench](int count) {
        for (int i = 0; i < count; ++i) {
            bench.application.navigation().setSelection(
                bench.sections.at(i % bench.sections.size()));
            QCoreApplication::sendPostedEvents();
            bench.window->repaint();
            settle();
        }
    };
    settle();
    const qint64 before = FirstPaintProbe::residentKb();
    switches(1000);
    const qint64 after1000 = FirstPaintProbe::residentKb();
    const double heap1000 = heapInUseMib();
    switches(5000);
    const qint64 after6000 = FirstPaintProbe::residentKb();
    const double heap6000 = heapInUseMib();
    // Heap in use against resident memory tells held memory from fragmentation.
    std::printf("  heap in use: %.2f MiB after 1000, %.2f MiB after 6000 switches\n", heap1000,
                heap6000);
    std::printf("  resident memory: %.2f MiB before, %.2f MiB after 1000 switches (%+.2f MiB)\n",
                before / 1024.0, after1000 / 1024.0, (after1000 - before) / 1024.0);
    std::printf("  memory soak: %.2f MiB after 1000, %.2f MiB after 6000 switches (%+.2f MiB)\n",
                after1000 / 1024.0, after6000 / 1024.0, (after6000 - after1000) / 1024.0);
    json[u"memory_growth_kib"] = double(after1000 - before);
    json[u"memory_soak"] = QJsonObject{{u"after_1000_mib"_s, after1000 / 1024.0},
                                       {u"after_6000_mib"_s, after6000 / 1024.0},
                                       {u"growth_mib"_s, (after6000 - after1000) / 1024.0}};
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

// One device pixel ratio and window size, measured in a process of its own.
struct Configuration
{
    double ratio;
    QSize size;
    double medianBudgetMs;  // every interaction's median; 0: none
    double maximumBudgetMs; // every interaction's maximum; 0: none
};

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QString nameOf(const Configuration &configuration)
{
    return QStringLiteral("ratio %1, %2")
        .arg(configuration.ratio)
        .arg(sizeText(configuration.size));
}

// Every interaction's figures in a configuration's JSON, by name.
QList<std::pair<QString, QJsonObject>> interactions(const QJsonObject &figures)
{
    QList<std::pair<QString, QJsonObject>> found;
    for (const QString &group :
         {u"section_switch_ms"_s, u"resize_ms"_s, u"wheel_step_ms"_s, u"sheet_ms"_s}) {
        const QJsonObject byName = figures.value(group).toObject();
        for (auto it = byName.begin(); it != byName.end(); ++it)
            found.append({group + u' ' + it.key(), it.value().toObject()});
    }
    found.append({u"appearance_switch_ms"_s, figures.value(u"appearance_switch_ms").toObject()});
    return found;
}

// A long session holds no more after 6000 switches than after 1000.
constexpr double soakGrowthBudgetMib = 1.0;

// What in a configuration's figures is over its budgets, one line each.
QStringList overBudget(const Configuration &configuration, const QJsonObject &figures)
{
    QStringList over;
    const double floor = figures.value(u"resize_floor_ms").toObject().value(u"median").toDouble();
    for (const auto &[name, stats] : interactions(figures)) {
        // A resize allocates a new backing store; what a one-label window
        // takes for the same resizes is said alongside.
        const QString reference =
            name.startsWith(u"resize_ms"_s)
                ? QStringLiteral(" (a minimal Qt window: %1 ms)").arg(floor, 0, 'f', 2)
                : QString();
        const auto check = [&](const char *what, double figure, double budget) {
            if (budget > 0 && figure > budget)
                over << QStringLiteral("%1: %2 %3 ms > %4 ms%5")
                            .arg(name, QLatin1String(what))
                            .arg(figure, 0, 'f', 2)
                            .arg(budget)
                            .arg(reference);
        };
        check("median", stats.value(u"median").toDouble(), configuration.medianBudgetMs);
        check("maximum", stats.value(u"max").toDouble(), configuration.maximumBudgetMs);
    }
    const double growth = figures.value(u"memory_soak").toObject().value(u"growth_mib").toDouble();
    if (growth > soakGrowthBudgetMib)
        over << QStringLiteral("memory soak: %1 MiB more after 6000 switches than after 1000")
                    .arg(growth, 0, 'f', 2);
    return over;
}

// Runs this benchmark for one configuration in a new process (the ratio is
// fixed when Qt starts), passes its table through and returns its figures.
QJsonObject measureInChild(const Configuration &configuration, const QStringList &passOn,
                           const QString &home)
{
    QProcess child;
    child.setProcessEnvironment(childEnvironment(home));
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{u"--ratio"_s, QString::number(configuration.ratio), u"--size"_s,
                            sizeText(configuration.size)} +
                    passOn);
    if (!child.waitForFinished(-1))
        return {};
    const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        std::printf("%s\n", lines.at(i).constData());
    return QJsonDocument::fromJson(lines.last()).object();
}

// The instructions a program executes from its start to its first complete
// paint, counted by callgrind (stable on a shared machine, unlike time).
qint64 startupInstructions(const QString &valgrind, const QString &program,
                           const QStringList &arguments, const QString &home)
{
    QProcess child;
    QProcessEnvironment environment = childEnvironment(home);
    environment.insert(u"VESK_BENCH_EXIT_AT_PAINT"_s, u"1"_s);
    child.setProcessEnvironment(environment);
    child.start(valgrind,
                QStringList{u"--tool=callgrind"_s, u"--callgrind-out-file=/dev/null"_s, program} +
                    arguments);
    if (!child.waitForFinished(300000))
        return -1;
    static const QRegularExpression collected(u"Collected : (\\d+)"_s);
    const QRegularExpressionMatch match =
        collected.match(QString::fromLocal8Bit(child.readAllStandardError()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

int measureInstructions(const QString &home)
{
    const QString valgrind = QStandardPaths::findExecutable(u"valgrind"_s);
    if (valgrind.isEmpty()) {
        std::printf("start-up instructions need valgrind (callgrind), which is not installed\n");
        return 1;
    }
    const qint64 vesk = startupInstructions(valgrind, QCoreApplication::applicationFilePath(),
                                            {u"--child-startup"_s}, home);
    const qint64 minimal = startupInstructions(
        valgrind, QCoreApplication::applicationDirPath() + u"/vesk-bench-minimal"_s, {}, home);
    const double ratio = minimal > 0 ? double(vesk) / double(minimal) : 0;
    constexpr double budget = 2.0;
    std::printf("  start-up instructions: vesk %.1f M, minimal Qt window %.1f M, ratio %.2f "
                "(budget %.1f): %s\n",
                vesk / 1e6, minimal / 1e6, ratio, budget, ratio <= budget ? "within" : "OVER");
    const QJsonObject json{{u"startup_instructions"_s,
                            QJsonObject{{u"vesk"_s, double(vesk)},
                                        {u"minimal"_s, double(minimal)},
                                        {u"ratio"_s, ratio},
                                        {u"budget_ratio"_s, budget},
                                        {u"within_budget"_s, ratio > 0 && ratio <= budget}}}};
    std::printf("\n%s\n", QJsonDocument(json).toJson(QJsonDocument::Compact).constData());
    return 0;
}

// A "--ratio" on the command line must reach Qt before it starts.
QByteArray ratioArgument(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "--ratio") == 0)
            return argv[i + 1];
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--child-startup") == 0) {
        int childArgc = 1;
        // With the parent's spawn time, each stage is reported as it ends.
        const qint64 spawned = qgetenv("VESK_BENCH_SPAWN_NS").toLongLong();
        const auto stage = [spawned](const char *name) {
            if (spawned)
                std::printf("stage %.2f %s\n", double(monotonicNs() - spawned) / 1e6, name);
        };
        return launch(
            childArgc, argv, [](VeskApp &vesk) { new FirstPaintProbe(vesk.mainWindow()); },
            spawned ? std::function<void(const char *)>(stage) : nullptr);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray ratio = ratioArgument(argc, argv);
    if (!ratio.isEmpty())
        qputenv("QT_SCALE_FACTOR", ratio);

    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runs(QStringLiteral("runs"),
                                  QStringLiteral("Start-up samples per program."),
                                  QStringLiteral("n"), QStringLiteral("10"));
    const QCommandLineOption switches(QStringLiteral("switches"),
                                      QStringLiteral("Switches into each section."),
                                      QStringLiteral("n"), QStringLiteral("30"));
    const QCommandLineOption only(
        QStringLiteral("section"),
        QStringLiteral("Measure switches and resizes in this section only."),
        QStringLiteral("name"));
    const QCommandLineOption startupProfile(
        QStringLiteral("startup-profile"),
        QStringLiteral("Print the time to the end of each start-up stage."));
    const QCommandLineOption soakOnly(QStringLiteral("soak-only"),
                                      QStringLiteral("Only the memory soak (for heaptrack)."));
    const QCommandLineOption ratioOption(
        QStringLiteral("ratio"),
        QStringLiteral("Measure the interactions at this device pixel ratio only."),
        QStringLiteral("r"));
    const QCommandLineOption sizeOption(
        QStringLiteral("size"),
        QStringLiteral("Measure the interactions at this window size only."),
        QStringLiteral("WxH"));
    const QCommandLineOption instructions(
        QStringLiteral("instructions"),
        QStringLiteral(
            "Count the start-up instructions with callgrind, against the minimal window."));
    const QCommandLineOption measureOption(
        QStringLiteral("measure"),
        QStringLiteral("Only these interactions, at one configuration (for a profiler): "
                       "switches, resizes, scrolling, sheets, appearance, comma-separated."),
        QStringLiteral("names"));
    parser.addOptions({runs, switches, only, startupProfile, soakOnly, ratioOption, sizeOption,
                       instructions, measureOption});
    parser.process(app);
    const int runCount = qMax(1, parser.value(runs).toInt());
    const int switchCount = qMax(1, parser.value(switches).toInt());

    prepareApplication();

    QJsonObject json;
    QTemporaryDir home;
    if (parser.isSet(instructions))
        return measureInstructions(home.path());

    const bool oneConfiguration =
        parser.isSet(ratioOption) || parser.isSet(sizeOption) || parser.isSet(measureOption);
    const bool soak = parser.isSet(soakOnly);
    if (!oneConfiguration) {
        std::printf("vesk-bench (Qt %s, %d start-up samples, %d switches per section)\n\n",
                    qVersion(), runCount, switchCount);
        if (!soak)
            measureStartup(runCount, home.path(), parser.isSet(startupProfile), json);
        if (parser.isSet(startupProfile)) {
            // Only the start-up, stage by stage.
            std::printf("\n%s\n", QJsonDocument(json).toJson(QJsonDocument::Compact).constData());
            return 0;
        }
    }
    if (!oneConfiguration && !soak) {
        const QList<Configuration> configurations{
            {1, QSize(1100, 760), 0, 0},
            {2, QSize(1100, 760), 8.3, 16.7},
            {2, QSize(2560, 1440), 16.7, 0},
        };
        QStringList passOn{u"--switches"_s, QString::number(switchCount)};
        if (parser.isSet(only))
            passOn << u"--section"_s << parser.value(only);
        QJsonArray measured;
        QStringList allOver;
        for (const Configuration &configuration : configurations) {
            std::printf("\n%s\n", qPrintable(nameOf(configuration)));
            QJsonObject figures = measureInChild(configuration, passOn, home.path());
            const QStringList over = overBudget(configuration, figures);
            for (const QString &line : over)
                std::printf("  OVER BUDGET %s\n", qPrintable(line));
            if (over.isEmpty())
                std::printf("  within its budgets\n");
            figures[u"configuration"] = nameOf(configuration);
            figures[u"budget_median_ms"] = configuration.medianBudgetMs;
            figures[u"budget_max_ms"] = configuration.maximumBudgetMs;
            figures[u"over_budget"] = QJsonArray::fromStringList(over);
            measured.append(figures);
            for (const QString &line : over)
                allOver << nameOf(configuration) + u": "_s + line;
        }
        json[u"configurations"] = measured;
        json[u"within_budgets"] = allOver.isEmpty();
        measureTreemap(json);
        std::printf("\n%s\n", QJsonDocument(json).toJson(QJsonDocument::Compact).constData());
        return 0;
    }

    // One configuration in this process (or the soak alone, for heaptrack).
    const QStringList sizeParts = parser.value(sizeOption).split(u'x');
    QSize size(sizeParts.value(0).toInt(), sizeParts.value(1).toInt());
    if (size.width() < 800 || size.height() < 580)
        size = QSize(1100, 760);
    SettingsFile store(home.filePath(QStringLiteral("bench.conf")));
    VeskApp application(store, false);
    MainWindow *window = application.mainWindow();
    window->show();
    settle();
    Session bench{application, window, window->size() - window->centralWidget()->size(), size};
    if (const auto section = fromRawValue<Section>(parser.value(only)))
        bench.sections = {*section};
    window->resize(size + bench.chrome);
    settle();
    if (oneConfiguration)
        std::printf("  at ratio %.1f, %s\n", window->devicePixelRatioF(),
                    qPrintable(sizeText(size)));

    if (soak) {
        measureMemoryGrowth(bench, json);
        // For heaptrack: what is still held now shows as "leaked".
        if (qEnvironmentVariableIsSet("VESK_BENCH_NO_CLEANUP")) {
            std::fflush(stdout);
            std::_Exit(0);
        }
    } else if (parser.isSet(measureOption)) {
        const QStringList names = parser.value(measureOption).split(u',');
        if (names.contains(u"switches"_s))
            measureSwitches(bench, switchCount, json);
        if (names.contains(u"resizes"_s))
            measureResizes(bench, json);
        if (names.contains(u"scrolling"_s))
            measureScrolling(bench, json);
        if (names.contains(u"sheets"_s))
            measureSheets(bench, json);
        if (names.contains(u"appearance"_s))
            measureAppearance(bench, json);
    } else {
        measureSwitches(bench, switchCount, json);
        measureResizes(bench, json);
        measureScrolling(bench, json);
        measureSheets(bench, json);
        measureAppearance(bench, json);
        measureWakeUps(bench, json);
        measureMemoryGrowth(bench, json);
    }

    std::printf("\n%s\n", QJsonDocument(json).toJson(QJsonDocument::Compact).constData());
    return 0;
}
