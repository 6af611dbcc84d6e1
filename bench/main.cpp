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

#include "Configurations.h"
#include "FirstPaintProbe.h"
#include "InteractionMeasures.h"
#include "Measuring.h"
#include "SoakMeasures.h"
#include "StartupMeasures.h"
#include "VeskCore/SettingsFile.h"
#include "shell/Launcher.h"
#include "shell/MainWindow.h"
#include "shell/VeskApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

using namespace vesk;
using namespace vesk::bench;
using namespace Qt::StringLiterals;

namespace {

// What the command line asks for.
struct Options
{
    int runCount = 10;
    int switchCount = 30;
    QString section; // switches and resizes in this one only
    bool startupProfile = false;
    bool soakOnly = false;
    bool instructions = false;
    bool oneConfiguration = false; // a ratio, a size or a list of measurements given
    QString size;
    QStringList measure; // only these interactions
};

Options parseOptions(const QApplication &app)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runs(u"runs"_s, u"Start-up samples per program."_s, u"n"_s, u"10"_s);
    const QCommandLineOption switches(u"switches"_s, u"Switches into each section."_s, u"n"_s,
                                      u"30"_s);
    const QCommandLineOption only(
        u"section"_s, u"Measure switches and resizes in this section only."_s, u"name"_s);
    const QCommandLineOption startupProfile(u"startup-profile"_s,
                                            u"Print the time to the end of each start-up stage."_s);
    const QCommandLineOption soakOnly(u"soak-only"_s, u"Only the memory soak (for heaptrack)."_s);
    const QCommandLineOption ratio(
        u"ratio"_s, u"Measure the interactions at this device pixel ratio only."_s, u"r"_s);
    const QCommandLineOption size(
        u"size"_s, u"Measure the interactions at this window size only."_s, u"WxH"_s);
    const QCommandLineOption instructions(
        u"instructions"_s,
        u"Count the start-up instructions with callgrind, against the minimal window."_s);
    const QCommandLineOption measure(
        u"measure"_s,
        u"Only these interactions, at one configuration (for a profiler): "
        "switches, resizes, scrolling, sheets, appearance, comma-separated."_s,
        u"names"_s);
    parser.addOptions(
        {runs, switches, only, startupProfile, soakOnly, ratio, size, instructions, measure});
    parser.process(app);
    Options options;
    options.runCount = qMax(1, parser.value(runs).toInt());
    options.switchCount = qMax(1, parser.value(switches).toInt());
    options.section = parser.value(only);
    options.startupProfile = parser.isSet(startupProfile);
    options.soakOnly = parser.isSet(soakOnly);
    options.instructions = parser.isSet(instructions);
    options.oneConfiguration = parser.isSet(ratio) || parser.isSet(size) || parser.isSet(measure);
    options.size = parser.value(size);
    if (parser.isSet(measure))
        options.measure = parser.value(measure).split(u',');
    return options;
}

// The child that a start-up measurement spawns: vesk itself, reporting its
// first complete paint (and, with the parent's spawn time, each stage).
int runStartupChild(char *argv[])
{
    int childArgc = 1;
    const qint64 spawned = qgetenv("VESK_BENCH_SPAWN_NS").toLongLong();
    const auto stage = [spawned](const char *name) {
        if (spawned)
            std::printf("stage %.2f %s\n", double(monotonicNs() - spawned) / 1e6, name);
    };
    return launch(
        childArgc, argv, [](VeskApp &vesk) { new FirstPaintProbe(vesk.mainWindow()); },
        spawned ? std::function<void(const char *)>(stage) : nullptr);
}

// Every configuration, each in a process of its own, checked against its
// budgets, then the treemap's scaling.
void measureConfigurations(const Options &options, const QString &home, QJsonObject &json)
{
    const QList<Configuration> configurations{
        {1, QSize(1100, 760), 0, 0},
        {2, QSize(1100, 760), 8.3, 16.7},
        {2, QSize(2560, 1440), 16.7, 0},
    };
    QStringList passOn{u"--switches"_s, QString::number(options.switchCount)};
    if (!options.section.isEmpty())
        passOn << u"--section"_s << options.section;
    QJsonArray measured;
    QStringList allOver;
    for (const Configuration &configuration : configurations) {
        std::printf("\n%s\n", qPrintable(nameOf(configuration)));
        QJsonObject figures = measureInChild(configuration, passOn, home);
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
}

// The interactions at one configuration, in this process (or the soak
// alone, for heaptrack).
void measureHere(const Options &options, const QString &home, QJsonObject &json)
{
    const QStringList sizeParts = options.size.split(u'x');
    QSize size(sizeParts.value(0).toInt(), sizeParts.value(1).toInt());
    if (size.width() < 800 || size.height() < 580)
        size = QSize(1100, 760);
    SettingsFile store(home + u"/bench.conf"_s);
    VeskApp application(store, false);
    MainWindow *window = application.mainWindow();
    window->show();
    settle();
    Session bench{application, window, window->size() - window->centralWidget()->size(), size};
    if (const auto section = fromRawValue<Section>(options.section))
        bench.sections = {*section};
    window->resize(size + bench.chrome);
    settle();
    if (options.oneConfiguration)
        std::printf("  at ratio %.1f, %s\n", window->devicePixelRatioF(),
                    qPrintable(sizeText(size)));

    if (options.soakOnly) {
        measureMemoryGrowth(bench, json);
        // For heaptrack: what is still held now shows as "leaked".
        if (qEnvironmentVariableIsSet("VESK_BENCH_NO_CLEANUP")) {
            std::fflush(stdout);
            std::_Exit(0);
        }
        return;
    }
    const auto wanted = [&options](const QString &name) {
        return options.measure.isEmpty() || options.measure.contains(name);
    };
    if (wanted(u"switches"_s))
        measureSwitches(bench, options.switchCount, json);
    if (wanted(u"resizes"_s))
        measureResizes(bench, json);
    if (wanted(u"scrolling"_s))
        measureScrolling(bench, json);
    if (wanted(u"sheets"_s))
        measureSheets(bench, json);
    if (wanted(u"appearance"_s))
        measureAppearance(bench, json);
    if (options.measure.isEmpty()) {
        measureWakeUps(bench, json);
        measureMemoryGrowth(bench, json);
    }
}

// A "--ratio" on the command line must reach Qt before it starts.
QByteArray ratioArgument(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "--ratio") == 0)
            return argv[i + 1];
    return {};
}

void printJson(const QJsonObject &json)
{
    std::printf("\n%s\n", QJsonDocument(json).toJson(QJsonDocument::Compact).constData());
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--child-startup") == 0)
        return runStartupChild(argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray ratio = ratioArgument(argc, argv);
    if (!ratio.isEmpty())
        qputenv("QT_SCALE_FACTOR", ratio);

    QApplication app(argc, argv);
    const Options options = parseOptions(app);
    prepareApplication();
    QTemporaryDir home;
    if (options.instructions)
        return measureInstructions(home.path());

    QJsonObject json;
    if (options.oneConfiguration || options.soakOnly) {
        measureHere(options, home.path(), json);
    } else {
        std::printf("vesk-bench (Qt %s, %d start-up samples, %d switches per section)\n\n",
                    qVersion(), options.runCount, options.switchCount);
        measureStartup(options.runCount, home.path(), options.startupProfile, json);
        // With the profile, only the start-up, stage by stage.
        if (!options.startupProfile)
            measureConfigurations(options, home.path(), json);
    }
    printJson(json);
    return 0;
}
