// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {
qint64 statusField(const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}
} // namespace

FirstPaintProbe::FirstPaintProbe(QWidget *window) : QObject(window)
{
    window->installEventFilter(this);
}

qint64 FirstPaintProbe::peakResidentKb()
{
    return statusField("VmHWM:");
}

qint64 FirstPaintProbe::residentKb()
{
    return statusField("VmRSS:");
}

bool FirstPaintProbe::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_seen) {
        m_seen = true;
        // The paint is still in progress; report once it has finished.
        QTimer::singleShot(0, this, &FirstPaintProbe::report);
    }
    return false;
}

void FirstPaintProbe::report()
{
    std::printf("painted %lld\n", static_cast<long long>(peakResidentKb()));
    std::fflush(stdout);
    // Counting instructions, the count ends here: what a program does after
    // its first paint (its teardown included) is not its start-up.
    if (qEnvironmentVariableIsSet("VESK_BENCH_EXIT_AT_PAINT"))
        std::_Exit(0);
    QCoreApplication::quit();
}
