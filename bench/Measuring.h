// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Stats.h"
#include "VeskCore/Models.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QList>
#include <QProcessEnvironment>
#include <QSize>

class QTimer;

namespace vesk {
class MainWindow;
class NavigationState;
class VeskApp;
} // namespace vesk

// What every measurement of vesk-bench shares: the running application it
// measures, clocks, settling the event queue, and how a figure is printed
// and recorded.
namespace vesk::bench {

// The running application as a person has it, at the configuration's size.
struct Session
{
    VeskApp &application;
    MainWindow *window;
    QSize chrome;
    QSize size; // the window's content size between measurements
    QList<Section> sections = allCases<Section>();
};

double heapInUseMib();
qint64 monotonicNs();
double msSince(const QElapsedTimer &timer);
QJsonObject toJson(const Stats &stats);
void printRow(const char *name, const Stats &stats, const char *unit);

// Runs the event loop for `ms`, woken by `timer` alone.
void runFor(int ms, QTimer &timer);
// Lays out and paints what is dirty, as the event loop would.
void paintPending();
// Deletes what was scheduled for deletion and handles what is pending.
void settle();

// What every program the benchmark starts runs in: offscreen, with its
// settings in a folder of the run's own.
QProcessEnvironment childEnvironment(const QString &home);

} // namespace vesk::bench
