// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "CandidateDetail.h"
#include "DesignSystem/Page.h"
#include "SharedObjects.h"
#include "VeskCore/Models.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

class QVBoxLayout;

namespace vesk {

class CandidateRow;
class PrimaryButton;
class StepIndicator;
class TextLabel;

// The simulated cleanup in four steps: analyse, understand, review, confirm.
// What it shows follows the session's phase alone; every change goes through
// the session. The detail of a candidate opens in a sheet, the confirmation
// in an alert.
class CleanupView : public Page
{
    Q_OBJECT

public:
    explicit CleanupView(SharedObjects shared, QWidget *parent = nullptr);

    // The step shown as current for a phase: 0 analyse … 3 confirm.
    static int stepFor(ScanPhase phase);
    // The alert's message for a selection of `files` files of `bytes` bytes.
    static QString confirmationMessage(qint64 files, qint64 bytes);

    StepIndicator *stepIndicator() const { return m_steps; }
    // The open sheet or alert, if any.
    CandidateDetail *detailSheet() const { return m_detail; }
    QMessageBox *confirmationAlert() const { return m_confirmation; }

    void showDetail(const Candidate &candidate);
    void askConfirmation();

private:
    void showPhase();
    QWidget *buildIntro();
    QWidget *buildResults();
    QWidget *buildCandidateGroup(const QString &title, const QString &subtitle,
                                 const QList<Candidate> &candidates);
    QWidget *buildSelectionFooter();
    QWidget *buildReview();
    QWidget *buildCompleted();
    void showSelection();
    // What a screen reader hears of a step that has just appeared: the step
    // reached, when it changed, then the step's title and totals as shown.
    QString stepSummary(bool stepChanged) const;
    // Marks `widget` as part of the current step's summary; returns it.
    template <typename W> W *summarised(W *widget)
    {
        m_summary << widget;
        return widget;
    }

    SharedObjects m_shared;
    StepIndicator *m_steps;
    QVBoxLayout *m_body;
    QPointer<QWidget> m_phaseView;
    // The control a person continues with when the step appears.
    QPointer<QWidget> m_firstAction;
    QList<QPointer<QWidget>> m_summary;
    QList<CandidateRow *> m_rows;
    TextLabel *m_selectedBytes = nullptr;
    TextLabel *m_selectedFiles = nullptr;
    PrimaryButton *m_reviewButton = nullptr;
    QPointer<CandidateDetail> m_detail;
    QPointer<QMessageBox> m_confirmation;
};

} // namespace vesk
