// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Measuring.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Qt::StringLiterals;

namespace vesk::bench {

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

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QProcessEnvironment childEnvironment(const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, home);
    return environment;
}

} // namespace vesk::bench
