// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "EventCounter.h"

#include <QCoreApplication>
#include <QEvent>

namespace vesk::bench {

EventCounter::EventCounter(QObject *ignored) : m_ignored(ignored)
{
    QCoreApplication::instance()->installEventFilter(this);
}

EventCounter::~EventCounter()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool EventCounter::eventFilter(QObject *watched, QEvent *event)
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

} // namespace vesk::bench
