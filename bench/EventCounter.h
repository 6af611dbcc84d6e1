// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QObject>

namespace vesk::bench {

// Counts timer events and paints delivered while it lives.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QObject *ignored);
    ~EventCounter() override;

    int timers = 0;
    int scanTicks = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QObject *m_ignored;
};

} // namespace vesk::bench
