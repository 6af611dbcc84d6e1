// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DemoDataProviding.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>

namespace vesk {

class ScanTask;

// The observable state behind every screen that shows or changes demo data:
// the simulated scan, its candidates and the user's selection, the phases of
// the cleanup flow, and the history of the running process.
//
// Each observed member emits its signal when assigned a different value and
// on every in-place change. Operations never fail: one whose precondition does
// not hold does nothing. Everything lives on the thread that owns the session.
class DemoSession : public QObject
{
    Q_OBJECT
    // Read-only to observers: the operations below are the only way in.
    Q_PROPERTY(vesk::ScanPhase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QSet<QString> selectedIDs READ selectedIDs NOTIFY selectedIDsChanged)
    Q_PROPERTY(QList<vesk::Candidate> candidates READ candidates NOTIFY candidatesChanged)
    Q_PROPERTY(QList<vesk::HistoryEntry> history READ history NOTIFY historyChanged)
    Q_PROPERTY(qint64 completedBytes READ completedBytes NOTIFY completedBytesChanged)
    Q_PROPERTY(qint64 completedCount READ completedCount NOTIFY completedCountChanged)
    Q_PROPERTY(QStringList scanStages READ scanStages NOTIFY scanStagesChanged)

public:
    explicit DemoSession(std::shared_ptr<const DemoDataProviding> data, QObject *parent = nullptr);
    ~DemoSession() override;

    const DemoDataProviding &data() const { return *m_data; }

    ScanPhase phase() const { return m_phase; }
    double progress() const { return m_progress; }
    QSet<QString> selectedIDs() const { return m_selectedIDs; }
    QList<Candidate> candidates() const { return m_candidates; }
    QList<HistoryEntry> history() const { return m_history; }
    std::optional<QDateTime> lastScan() const { return m_lastScan; }
    qint64 completedBytes() const { return m_completedBytes; }
    qint64 completedCount() const { return m_completedCount; }
    QStringList scanStages() const { return m_scanStages; }

    // Derived on every call, never stored.
    int stageIndex() const;
    QList<Candidate> selected() const;
    qint64 selectedBytes() const;
    qint64 selectedCount() const;
    QList<Candidate> lowRisk() const;
    QList<Candidate> reviewRequired() const;

    // The list without repeated ids: the first candidate of each id stays.
    static QList<Candidate> unique(const QList<Candidate> &candidates);

    void toggle(const Candidate &candidate);
    void start(bool preselect, const QSet<QString> &excluding, std::chrono::milliseconds tick);
    void cancel();
    void review();
    void backToResults();
    void completeSimulation();
    void recordApplicationSimulation(const DemoApplication &app, const QList<Candidate> &selected);

signals:
    void phaseChanged();
    void progressChanged();
    void selectedIDsChanged();
    void candidatesChanged();
    void historyChanged();
    void lastScanChanged();
    void completedBytesChanged();
    void completedCountChanged();
    void scanStagesChanged();

private:
    void advanceScan(const ScanTask &task, int step, const QSet<QString> &excluding,
                     bool preselect);
    void prependHistory(HistoryEntry entry);

    void setPhase(ScanPhase value);
    void setProgress(double value);
    void setSelectedIDs(const QSet<QString> &value);
    void setCandidates(const QList<Candidate> &value);
    void setLastScan(const std::optional<QDateTime> &value);
    void setCompletedBytes(qint64 value);
    void setCompletedCount(qint64 value);

    std::shared_ptr<const DemoDataProviding> m_data;
    ScanPhase m_phase = ScanPhase::idle;
    double m_progress = 0.0;
    QSet<QString> m_selectedIDs;
    QList<Candidate> m_candidates;
    QList<HistoryEntry> m_history;
    std::optional<QDateTime> m_lastScan;
    qint64 m_completedBytes = 0;
    qint64 m_completedCount = 0;
    QStringList m_scanStages;
    QPointer<ScanTask> m_task;
    qint64 m_generation = 0;
};

} // namespace vesk
