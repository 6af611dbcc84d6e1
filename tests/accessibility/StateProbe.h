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
// "texts" (every text painted in the visible windows, by widget, as far as
// scrolled into view), "all-texts" (the same, scrolled out of view too). The test
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
    // Every text painted in the visible windows; with `inView`, only in the
    // part of a scroll area that is scrolled into view.
    QByteArray texts(bool inView) const;

    vesk::VeskApp &m_app;
    QFile m_input;
    QSocketNotifier *m_notifier;
};
