// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QObject>

class QWidget;

// Watches a top-level window; once its first paint has completed it prints
// "painted <peak resident kB>" on standard output and quits the application
// (or, with VESK_BENCH_EXIT_AT_PAINT set, ends the process at once).
// The parent benchmark times the child from its start to that line.
class FirstPaintProbe : public QObject
{
    Q_OBJECT

public:
    explicit FirstPaintProbe(QWidget *window);

    // Peak resident set size of this process (VmHWM), in kB; 0 where unknown.
    static qint64 peakResidentKb();
    // Current resident set size, in kB; 0 where unknown.
    static qint64 residentKb();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report();

    bool m_seen = false;
};
