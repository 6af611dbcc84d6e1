// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SoakMeasures.h"

#include "EventCounter.h"
#include "FirstPaintProbe.h"
#include "shell/MainWindow.h"
#include "shell/VeskApp.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace vesk::bench {

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

} // namespace vesk::bench
