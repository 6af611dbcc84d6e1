#pragma once

#include "VeskCore/Models.h"

#include <QDialog>

namespace vesk {

// The sheet that explains one cleanup candidate: what it is, where the demo
// says it lives, its size and risk, and what the simulated cleanup would do.
// Read-only; "Tanca" and Escape close it.
class CandidateDetail : public QDialog
{
    Q_OBJECT

public:
    static constexpr int sheetWidth = 540;

    explicit CandidateDetail(const Candidate &candidate, QWidget *parent = nullptr);

    static QString plannedAction(Risk risk);
};

} // namespace vesk
