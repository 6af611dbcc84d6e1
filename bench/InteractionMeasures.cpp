// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "InteractionMeasures.h"

#include "DesignSystem/RowButton.h"
#include "VeskCore/Display.h"
#include "applications/ApplicationsView.h"
#include "settings/SettingsView.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"
#include "shell/ScreenFactory.h"
#include "shell/VeskApp.h"
#include "storage/TreemapLayout.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace vesk::bench {

namespace {

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

// The page of the shown section, whose viewport a wheel scrolls.
QScrollArea *shownPage(Session &bench)
{
    return qobject_cast<QScrollArea *>(bench.window->rootView()->screen());
}

} // namespace

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

} // namespace vesk::bench
