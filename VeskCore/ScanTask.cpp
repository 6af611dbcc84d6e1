// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ScanTask.h"

namespace vesk {

ScanTask::ScanTask(qint64 number, std::chrono::milliseconds tick, QObject *parent)
    : QObject(parent), m_number(number), m_timer(this)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(std::max(tick, std::chrono::milliseconds::zero()));
    connect(&m_timer, &QTimer::timeout, this, &ScanTask::wake);
}

void ScanTask::begin()
{
    if (!m_cancelled && m_step == 0)
        m_timer.start();
}

void ScanTask::cancel()
{
    m_cancelled = true;
    m_timer.stop();
}

void ScanTask::wake()
{
    if (m_cancelled)
        return;
    ++m_step;
    if (m_step >= stepCount)
        m_timer.stop();
    emit stepped(m_step);
}

} // namespace vesk
