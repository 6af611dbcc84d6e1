// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DemoSession.h"

#include "CheckedMath.h"
#include "ScanTask.h"

#include <QCoreApplication>

#include <algorithm>

namespace vesk {

namespace {

// Stores `value` and emits `changed` only when it differs from what was there.
template <typename T, typename Signal>
void assign(DemoSession *session, T &member, const T &value, Signal changed)
{
    if (member == value)
        return;
    member = value;
    emit(session->*changed)();
}

const char *const stageNames[] = {
    QT_TRANSLATE_NOOP("vesk::DemoSession", "Emmagatzematge"),
    QT_TRANSLATE_NOOP("vesk::DemoSession", "Fitxers temporals"),
    QT_TRANSLATE_NOOP("vesk::DemoSession", "Fitxers grans"),
    QT_TRANSLATE_NOOP("vesk::DemoSession", "Aplicacions"),
    QT_TRANSLATE_NOOP("vesk::DemoSession", "Configuracions i privacitat"),
};

} // namespace

DemoSession::DemoSession(std::shared_ptr<const DemoDataProviding> data, QObject *parent)
    : QObject(parent), m_data(std::move(data)), m_history(m_data->history())
{
    for (const char *name : stageNames)
        m_scanStages.append(QString::fromUtf8(name));
}

DemoSession::~DemoSession() = default;

int DemoSession::stageIndex() const
{
    const auto count = int(m_scanStages.size());
    return std::min(count - 1, int(m_progress * count));
}

QList<Candidate> DemoSession::selected() const
{
    QList<Candidate> result;
    for (const Candidate &candidate : unique(m_candidates)) {
        if (m_selectedIDs.contains(candidate.id) && candidate.risk != Risk::protected_)
            result.append(candidate);
    }
    return result;
}

qint64 DemoSession::selectedBytes() const
{
    qint64 sum = 0;
    for (const Candidate &candidate : selected())
        sum = saturatingAdd(sum, candidate.bytes);
    return sum;
}

qint64 DemoSession::selectedCount() const
{
    qint64 sum = 0;
    for (const Candidate &candidate : selected())
        sum = saturatingAdd(sum, candidate.fileCount);
    return sum;
}

QList<Candidate> DemoSession::lowRisk() const
{
    QList<Candidate> result;
    std::copy_if(m_candidates.cbegin(), m_candidates.cend(), std::back_inserter(result),
                 [](const Candidate &c) { return c.risk == Risk::low; });
    return result;
}

QList<Candidate> DemoSession::reviewRequired() const
{
    QList<Candidate> result;
    std::copy_if(m_candidates.cbegin(), m_candidates.cend(), std::back_inserter(result),
                 [](const Candidate &c) { return c.risk == Risk::review; });
    return result;
}

QList<Candidate> DemoSession::unique(const QList<Candidate> &candidates)
{
    QList<Candidate> result;
    QSet<QString> seen;
    for (const Candidate &candidate : candidates) {
        if (!seen.contains(candidate.id)) {
            seen.insert(candidate.id);
            result.append(candidate);
        }
    }
    return result;
}

void DemoSession::toggle(const Candidate &candidate)
{
    if (m_phase != ScanPhase::results || candidate.risk == Risk::protected_)
        return;
    const bool known = std::any_of(m_candidates.cbegin(), m_candidates.cend(),
                                   [&](const Candidate &c) { return c.id == candidate.id; });
    if (!known)
        return;
    if (!m_selectedIDs.remove(candidate.id))
        m_selectedIDs.insert(candidate.id);
    emit selectedIDsChanged();
}

void DemoSession::start(bool preselect, const QSet<QString> &excluding,
                        std::chrono::milliseconds tick)
{
    if (m_task) {
        m_task->cancel();
        m_task->deleteLater();
    }
    const qint64 number = ++m_generation;
    setPhase(ScanPhase::scanning);
    setProgress(0.0);
    setSelectedIDs({});
    setCandidates({});

    auto *task = new ScanTask(number, tick, this);
    m_task = task;
    connect(task, &ScanTask::stepped, this, [this, task, excluding, preselect](int step) {
        advanceScan(*task, step, excluding, preselect);
    });
    task->begin();
}

void DemoSession::advanceScan(const ScanTask &task, int step, const QSet<QString> &excluding,
                              bool preselect)
{
    // A stale or cancelled task changes nothing: only the scan whose number is
    // still current may move the session.
    if (task.isCancelled() || task.number() != m_generation)
        return;
    const qint64 number = task.number();
    setProgress(double(step) / double(ScanTask::stepCount));
    if (step < ScanTask::stepCount)
        return;
    // The progress signal is delivered at once: an observer may have
    // cancelled or restarted the scan on it. Only a scan still current
    // fills in its results.
    if (number != m_generation || m_phase != ScanPhase::scanning)
        return;

    QList<Candidate> found;
    for (const Candidate &candidate : unique(m_data->candidates())) {
        if (!excluding.contains(candidate.category))
            found.append(candidate);
    }
    QSet<QString> preselected;
    if (preselect) {
        for (const Candidate &candidate : found) {
            if (candidate.risk == Risk::low)
                preselected.insert(candidate.id);
        }
    }
    setCandidates(found);
    setSelectedIDs(preselected);
    setLastScan(QDateTime::currentDateTimeUtc());
    setPhase(ScanPhase::results);
}

void DemoSession::cancel()
{
    if (m_phase != ScanPhase::scanning)
        return;
    if (m_task)
        m_task->cancel();
    ++m_generation;
    setPhase(ScanPhase::cancelled);
    setProgress(0.0);
    setSelectedIDs({});
    setCandidates({});
}

void DemoSession::review()
{
    if (m_phase == ScanPhase::results && !selected().isEmpty())
        setPhase(ScanPhase::review);
}

void DemoSession::backToResults()
{
    if (m_phase == ScanPhase::review)
        setPhase(ScanPhase::results);
}

void DemoSession::completeSimulation()
{
    if (m_phase != ScanPhase::review || selected().isEmpty())
        return;
    const qint64 bytes = selectedBytes();
    const qint64 count = selectedCount();
    setCompletedBytes(bytes);
    setCompletedCount(count);
    prependHistory({QUuid::createUuid(), QDateTime::currentDateTimeUtc(), tr("Neteja simulada"),
                    count, bytes,
                    tr("S’ha completat el flux visual. Cap fitxer modificat. Espai real "
                       "recuperat: 0 B."),
                    HistoryEntry::completedResult(), tr("Cap error simulat")});
    setPhase(ScanPhase::completed);
}

void DemoSession::recordApplicationSimulation(const DemoApplication &app,
                                              const QList<Candidate> &selected)
{
    if (app.protected_)
        return;
    qint64 count = 0;
    qint64 bytes = 0;
    bool any = false;
    for (const Candidate &candidate : unique(selected)) {
        if (candidate.risk != Risk::protected_ && app.components.contains(candidate)) {
            count = saturatingAdd(count, candidate.fileCount);
            bytes = saturatingAdd(bytes, candidate.bytes);
            any = true;
        }
    }
    if (!any)
        return;
    prependHistory({QUuid::createUuid(), QDateTime::currentDateTimeUtc(),
                    tr("Desinstal·lació simulada"), count, bytes,
                    tr("Flux visual completat. Cap aplicació desinstal·lada. Les dades personals "
                       "i compartides s’han exclòs."),
                    HistoryEntry::completedResult(), tr("Cap error simulat")});
}

void DemoSession::prependHistory(HistoryEntry entry)
{
    m_history.prepend(std::move(entry));
    emit historyChanged();
}

void DemoSession::setPhase(ScanPhase value)
{
    assign(this, m_phase, value, &DemoSession::phaseChanged);
}

void DemoSession::setProgress(double value)
{
    assign(this, m_progress, value, &DemoSession::progressChanged);
}

void DemoSession::setSelectedIDs(const QSet<QString> &value)
{
    assign(this, m_selectedIDs, value, &DemoSession::selectedIDsChanged);
}

void DemoSession::setCandidates(const QList<Candidate> &value)
{
    assign(this, m_candidates, value, &DemoSession::candidatesChanged);
}

void DemoSession::setLastScan(const std::optional<QDateTime> &value)
{
    assign(this, m_lastScan, value, &DemoSession::lastScanChanged);
}

void DemoSession::setCompletedBytes(qint64 value)
{
    assign(this, m_completedBytes, value, &DemoSession::completedBytesChanged);
}

void DemoSession::setCompletedCount(qint64 value)
{
    assign(this, m_completedCount, value, &DemoSession::completedCountChanged);
}

} // namespace vesk
