// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

namespace vesk {

// The simulated scan's clock: a fixed number of wake-ups, one every `tick`, on
// the thread's event loop. It knows nothing of the session; it only counts and
// reports, and stops for good once cancelled.
class ScanTask : public QObject
{
    Q_OBJECT

public:
    static constexpr int stepCount = 50;

    ScanTask(qint64 number, std::chrono::milliseconds tick, QObject *parent = nullptr);

    // The scan number this task was started under.
    qint64 number() const { return m_number; }
    bool isCancelled() const { return m_cancelled; }
    bool isRunning() const { return m_timer.isActive(); }

    void begin();
    void cancel();

signals:
    // Step 1 to stepCount, one per wake-up; the last one ends the task.
    void stepped(int step);

private:
    void wake();

    qint64 m_number;
    QTimer m_timer;
    int m_step = 0;
    bool m_cancelled = false;
};

} // namespace vesk
