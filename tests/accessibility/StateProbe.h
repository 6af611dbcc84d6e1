// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QFile>
#include <QObject>

class QSocketNotifier;

namespace vesk {
class VeskApp;
}

// Answers the accessibility test on standard output, one JSON line per
// command read on standard input: "state" (what the app shows and holds),
// "texts" (every text painted in the visible windows, by widget). The test
// acts only through the accessibility bus; this is how it sees the effect.
class StateProbe : public QObject
{
    Q_OBJECT

public:
    explicit StateProbe(vesk::VeskApp &app);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readCommand();
    QByteArray state() const;
    QByteArray texts() const;

    vesk::VeskApp &m_app;
    QFile m_input;
    QSocketNotifier *m_notifier;
};
