// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "VeskCore/Models.h"

#include <QWidget>

class QCheckBox;

namespace vesk {

// One candidate in the results: its checkbox, its name and files (a button
// that opens the detail), its risk, its size, and an info button.
class CandidateRow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int sizeColumnWidth = 65;

    explicit CandidateRow(const Candidate &candidate, QWidget *parent = nullptr);

    const Candidate &candidate() const { return m_candidate; }
    QCheckBox *checkBox() const { return m_check; }
    // Shows whether the candidate is ticked, without reporting it as a toggle.
    void showChecked(bool checked);

signals:
    void toggled(const vesk::Candidate &candidate);
    void detailRequested(const vesk::Candidate &candidate);

private:
    Candidate m_candidate;
    QCheckBox *m_check;
};

} // namespace vesk
