// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "StartupMeasures.h"

#include "Measuring.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace vesk::bench {

namespace {

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

} // namespace

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

} // namespace vesk::bench
