// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskCore/DemoProvider.h"
#include "VeskCore/DemoSession.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace vesk;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// The demo data with a replaceable candidate list.
class CandidateProvider final : public DemoDataProviding
{
public:
    explicit CandidateProvider(QList<Candidate> candidates) : m_candidates(std::move(candidates)) {}
    QList<Candidate> candidates() const override { return m_candidates; }
    QList<DiskCategory> diskCategories() const override { return m_demo.diskCategories(); }
    StorageNode storage() const override { return m_demo.storage(); }
    QList<DemoApplication> applications() const override { return m_demo.applications(); }
    QList<PerformancePoint> performance() const override { return m_demo.performance(); }
    QList<DemoProcess> processes() const override { return m_demo.processes(); }
    QList<Protection> protections() const override { return m_demo.protections(); }
    QList<HistoryEntry> history() const override { return m_demo.history(); }

private:
    DemoProvider m_demo;
    QList<Candidate> m_candidates;
};

std::unique_ptr<DemoSession> demoSession()
{
    return std::make_unique<DemoSession>(std::make_shared<DemoProvider>());
}

// Waits in an event loop (QTRY_* sleeps between polls, which would slow every
// 1 ms tick to 10 ms) until the session reaches `phase` or five seconds pass.
bool waitForPhase(DemoSession &session, ScanPhase phase)
{
    QSignalSpy changed(&session, &DemoSession::phaseChanged);
    while (session.phase() != phase) {
        if (!changed.wait(5000))
            return false;
    }
    return true;
}

// The same for any condition that a step of the scan makes true.
template <typename Condition> bool waitForProgress(DemoSession &session, Condition reached)
{
    QSignalSpy changed(&session, &DemoSession::progressChanged);
    while (!reached()) {
        if (!changed.wait(5000))
            return false;
    }
    return true;
}

// Runs a scan with a 1 ms tick to its results.
void scanToResults(DemoSession &session, bool preselect = true, QSet<QString> excluding = {})
{
    session.start(preselect, excluding, 1ms);
    QVERIFY(waitForPhase(session, ScanPhase::results));
}

Candidate candidateById(const DemoSession &session, const QString &id)
{
    for (const Candidate &c : session.data().candidates()) {
        if (c.id == id)
            return c;
    }
    return {};
}

} // namespace

class tst_DemoSession : public QObject
{
    Q_OBJECT

private slots:
    void scanRunsFiftyStepsToResults();
    void stageIndexFollowsProgress_data();
    void stageIndexFollowsProgress();
    void exclusionAndPreselection_data();
    void exclusionAndPreselection();
    void restartLeavesOneScan();
    void cancelStopsTheScan();
    void observerOfTheLastStep_data();
    void observerOfTheLastStep();
    void refusedTransitions_data();
    void refusedTransitions();
    void toggleRules();
    void completeRecordsFiles();
    void applicationSimulation_data();
    void applicationSimulation();
    void sumsCountIdsOnceAndSaturate();
    void sessionGoneDuringScan();
};

void tst_DemoSession::scanRunsFiftyStepsToResults()
{
    const auto session = demoSession();
    QSignalSpy progress(session.get(), &DemoSession::progressChanged);
    QSignalSpy phase(session.get(), &DemoSession::phaseChanged);
    QList<double> values;
    connect(session.get(), &DemoSession::progressChanged, this,
            [&] { values << session->progress(); });

    scanToResults(*session);
    QCOMPARE(values.size(), 50);
    QCOMPARE(values.first(), 0.02);
    QCOMPARE(values.last(), 1.0);
    QCOMPARE(phase.size(), 2); // scanning, then results
    QCOMPARE(session->candidates().size(), 5);
    QVERIFY(session->lastScan());
    QCOMPARE(session->selectedIDs(), (QSet<QString>{u"temp"_s, u"logs"_s}));
}

void tst_DemoSession::stageIndexFollowsProgress_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("stage");
    QTest::newRow("first step") << 1 << 0;
    QTest::newRow("just below 0.2") << 9 << 0;
    QTest::newRow("0.2") << 10 << 1;
    QTest::newRow("0.8") << 40 << 4;
    QTest::newRow("done") << 50 << 4;
}

void tst_DemoSession::stageIndexFollowsProgress()
{
    QFETCH(int, step);
    QFETCH(int, stage);
    const auto session = demoSession();
    int seen = -1;
    connect(session.get(), &DemoSession::progressChanged, this, [&] {
        if (qFuzzyCompare(session->progress(), step / 50.0))
            seen = session->stageIndex();
    });
    scanToResults(*session);
    QCOMPARE(seen, stage);
}

void tst_DemoSession::exclusionAndPreselection_data()
{
    QTest::addColumn<bool>("preselect");
    QTest::addColumn<QStringList>("excluding");
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<QStringList>("selected");

    const QStringList all{u"temp"_s, u"logs"_s, u"archive"_s, u"downloads"_s, u"cache"_s};
    QTest::newRow("nothing excluded")
        << true << QStringList{} << all << QStringList{u"temp"_s, u"logs"_s};
    QTest::newRow("preselection off") << false << QStringList{} << all << QStringList{};
    QTest::newRow("unknown category")
        << true << QStringList{u"Inexistent"_s} << all << QStringList{u"temp"_s, u"logs"_s};
    QTest::newRow("temporary files out")
        << true << QStringList{u"Fitxers temporals"_s}
        << QStringList{u"archive"_s, u"downloads"_s, u"cache"_s} << QStringList{};
    QTest::newRow("category text is exact")
        << true << QStringList{u"fitxers temporals"_s} << all << QStringList{u"temp"_s, u"logs"_s};
    QTest::newRow("every category")
        << true << QStringList{u"Fitxers temporals"_s, u"Fitxers grans"_s, u"Aplicacions"_s}
        << QStringList{} << QStringList{};
}

void tst_DemoSession::exclusionAndPreselection()
{
    QFETCH(bool, preselect);
    QFETCH(QStringList, excluding);
    QFETCH(QStringList, candidates);
    QFETCH(QStringList, selected);

    const auto session = demoSession();
    scanToResults(*session, preselect, QSet<QString>(excluding.cbegin(), excluding.cend()));
    QStringList ids;
    for (const Candidate &c : session->candidates())
        ids << c.id;
    QCOMPARE(ids, candidates);
    QCOMPARE(session->selectedIDs(), QSet<QString>(selected.cbegin(), selected.cend()));

    // With nothing selected there is nothing to review.
    session->review();
    QCOMPARE(session->phase(), selected.isEmpty() ? ScanPhase::results : ScanPhase::review);
}

void tst_DemoSession::restartLeavesOneScan()
{
    const auto session = demoSession();
    session->start(true, {}, 5ms);
    QVERIFY(waitForProgress(*session, [&] { return session->progress() >= 0.1; }));

    QList<double> values;
    connect(session.get(), &DemoSession::progressChanged, this,
            [&] { values << session->progress(); });
    session->start(false, {}, 1ms);
    QCOMPARE(session->progress(), 0.0);
    QVERIFY(waitForPhase(*session, ScanPhase::results));
    QTest::qWait(80); // the first task's remaining wake-ups would fall in here

    // One reset, then 50 clean steps: the stale task never moved the session.
    QCOMPARE(values.size(), 51);
    QCOMPARE(values.first(), 0.0);
    for (qsizetype i = 1; i < values.size(); ++i)
        QCOMPARE(values.at(i), i / 50.0);
    QVERIFY(session->selectedIDs().isEmpty()); // the second call's preselection holds
}

void tst_DemoSession::cancelStopsTheScan()
{
    const auto session = demoSession();
    scanToResults(*session);
    const auto firstScan = session->lastScan();

    session->start(true, {}, 2ms);
    QVERIFY(waitForProgress(*session, [&] { return session->progress() > 0.0; }));
    session->cancel();
    QCOMPARE(session->phase(), ScanPhase::cancelled);
    QCOMPARE(session->progress(), 0.0);
    QTest::qWait(150); // long past the end of the cancelled scan
    QCOMPARE(session->phase(), ScanPhase::cancelled);
    QVERIFY(session->candidates().isEmpty());
    QVERIFY(session->selectedIDs().isEmpty());
    QCOMPARE(session->lastScan(), firstScan);

    // A second cancel is outside scanning and does nothing.
    QSignalSpy phase(session.get(), &DemoSession::phaseChanged);
    session->cancel();
    QCOMPARE(phase.size(), 0);
}

// An observer of the last progress change that cancels, or starts again,
// leaves the stale scan no way to fill in its results.
void tst_DemoSession::observerOfTheLastStep_data()
{
    QTest::addColumn<bool>("restart");
    QTest::newRow("cancels") << false;
    QTest::newRow("starts again") << true;
}

void tst_DemoSession::observerOfTheLastStep()
{
    QFETCH(bool, restart);
    const auto session = demoSession();
    bool acted = false;
    connect(session.get(), &DemoSession::progressChanged, this, [&] {
        if (acted || session->progress() < 1.0)
            return;
        acted = true;
        if (restart)
            session->start(true, {}, 1h); // a new scan that will not finish here
        else
            session->cancel();
    });
    session->start(true, {}, 1ms);
    QVERIFY(waitForProgress(*session, [&] { return acted; }));
    QTest::qWait(20);
    QCOMPARE(session->phase(), restart ? ScanPhase::scanning : ScanPhase::cancelled);
    QVERIFY(session->candidates().isEmpty());
    QVERIFY(session->selectedIDs().isEmpty());
    QVERIFY(!session->lastScan());
}

void tst_DemoSession::refusedTransitions_data()
{
    QTest::addColumn<ScanPhase>("from");
    QTest::addColumn<QString>("operation");

    QTest::newRow("cancel when idle") << ScanPhase::idle << "cancel";
    QTest::newRow("review when idle") << ScanPhase::idle << "review";
    QTest::newRow("complete when idle") << ScanPhase::idle << "complete";
    QTest::newRow("back when idle") << ScanPhase::idle << "back";
    QTest::newRow("review while scanning") << ScanPhase::scanning << "review";
    QTest::newRow("complete from results") << ScanPhase::results << "complete";
    QTest::newRow("back from results") << ScanPhase::results << "back";
    QTest::newRow("cancel from results") << ScanPhase::results << "cancel";
    QTest::newRow("review twice") << ScanPhase::review << "review";
    QTest::newRow("cancel in review") << ScanPhase::review << "cancel";
    QTest::newRow("complete twice") << ScanPhase::completed << "complete";
    QTest::newRow("back from completed") << ScanPhase::completed << "back";
    QTest::newRow("review from completed") << ScanPhase::completed << "review";
    QTest::newRow("review when cancelled") << ScanPhase::cancelled << "review";
}

void tst_DemoSession::refusedTransitions()
{
    QFETCH(ScanPhase, from);
    QFETCH(QString, operation);

    const auto session = demoSession();
    if (from != ScanPhase::idle)
        session->start(true, {}, from == ScanPhase::scanning ? 1h : 1ms);
    if (from == ScanPhase::cancelled)
        session->cancel();
    if (from >= ScanPhase::results)
        QVERIFY(waitForPhase(*session, ScanPhase::results));
    if (from >= ScanPhase::review)
        session->review();
    if (from == ScanPhase::completed)
        session->completeSimulation();
    QCOMPARE(session->phase(), from);

    const qsizetype historySize = session->history().size();
    QSignalSpy phase(session.get(), &DemoSession::phaseChanged);
    if (operation == u"cancel"_s)
        session->cancel();
    else if (operation == u"review"_s)
        session->review();
    else if (operation == u"complete"_s)
        session->completeSimulation();
    else if (operation == u"back"_s)
        session->backToResults();
    QCOMPARE(session->phase(), from);
    QCOMPARE(phase.size(), 0);
    QCOMPARE(session->history().size(), historySize);
}

void tst_DemoSession::toggleRules()
{
    const auto session = demoSession();
    const Candidate archive = candidateById(*session, u"archive"_s);
    session->toggle(archive); // idle: refused
    QVERIFY(session->selectedIDs().isEmpty());

    scanToResults(*session);
    QSignalSpy selection(session.get(), &DemoSession::selectedIDsChanged);
    session->toggle(archive);
    QVERIFY(session->selectedIDs().contains(u"archive"_s));
    session->toggle(archive);
    QCOMPARE(session->selectedIDs(), (QSet<QString>{u"temp"_s, u"logs"_s}));
    QCOMPARE(selection.size(), 2);

    Candidate locked = archive;
    locked.risk = Risk::protected_;
    session->toggle(locked);
    Candidate stranger = archive;
    stranger.id = QStringLiteral("stranger");
    session->toggle(stranger);
    QCOMPARE(selection.size(), 2);

    // Frozen once the selection is under review.
    session->review();
    session->toggle(archive);
    QCOMPARE(session->selectedIDs(), (QSet<QString>{u"temp"_s, u"logs"_s}));
}

void tst_DemoSession::completeRecordsFiles()
{
    const auto session = demoSession();
    scanToResults(*session);
    session->toggle(candidateById(*session, u"archive"_s));
    session->review();
    QCOMPARE(session->phase(), ScanPhase::review);
    session->backToResults();
    QCOMPARE(session->phase(), ScanPhase::results);
    session->review();

    QSignalSpy history(session.get(), &DemoSession::historyChanged);
    session->completeSimulation();
    QCOMPARE(session->phase(), ScanPhase::completed);
    QCOMPARE(history.size(), 1);
    const HistoryEntry entry = session->history().first();
    QCOMPARE(entry.title, QStringLiteral("Neteja simulada"));
    QCOMPARE(entry.count, 124 + 36 + 1); // files, not candidates
    QCOMPARE(entry.bytes, 3'200'000'000 + 800'000'000 + 24'000'000'000);
    QCOMPARE(session->completedCount(), entry.count);
    QCOMPARE(session->completedBytes(), entry.bytes);
    QCOMPARE(session->history().size(), 4);
    // The confirmed selection still describes the completed cleanup.
    QCOMPARE(session->selectedBytes(), entry.bytes);

    session->completeSimulation();
    QCOMPARE(session->history().size(), 4);

    // A restart from completed runs a fresh scan.
    scanToResults(*session);
    QCOMPARE(session->completedBytes(), entry.bytes);
}

void tst_DemoSession::applicationSimulation_data()
{
    QTest::addColumn<QString>("appId");
    QTest::addColumn<QStringList>("componentIds");
    QTest::addColumn<bool>("tamper");          // change a field of the first pick
    QTest::addColumn<qint64>("expectedCount"); // -1: nothing recorded

    QTest::newRow("cache") << u"taller"_s << QStringList{u"taller.cache"_s} << false << qint64(12);
    QTest::newRow("cache twice") << u"taller"_s << QStringList{u"taller.cache"_s, u"taller.cache"_s}
                                 << false << qint64(12);
    QTest::newRow("protected parts dropped")
        << u"taller"_s << QStringList{u"taller.cache"_s, u"taller.personal"_s, u"taller.shared"_s}
        << false << qint64(12);
    QTest::newRow("only protected parts")
        << u"taller"_s << QStringList{u"taller.personal"_s, u"taller.shared"_s} << false
        << qint64(-1);
    QTest::newRow("nothing chosen") << "taller" << QStringList{} << false << qint64(-1);
    QTest::newRow("another application's part")
        << u"taller"_s << QStringList{u"ona.cache"_s} << false << qint64(-1);
    QTest::newRow("altered copy of a part")
        << u"taller"_s << QStringList{u"taller.cache"_s} << true << qint64(-1);
    QTest::newRow("protected application")
        << u"system"_s << QStringList{u"system.preferences"_s} << false << qint64(-1);
}

void tst_DemoSession::applicationSimulation()
{
    QFETCH(QString, appId);
    QFETCH(QStringList, componentIds);
    QFETCH(bool, tamper);
    QFETCH(qint64, expectedCount);

    const auto session = demoSession();
    const auto apps = session->data().applications();
    const DemoApplication app =
        *std::find_if(apps.cbegin(), apps.cend(), [&](const auto &a) { return a.id == appId; });
    QList<Candidate> chosen;
    for (const DemoApplication &a : apps) {
        for (const Candidate &c : a.components) {
            for (const QString &id : componentIds) {
                if (c.id == id)
                    chosen.append(c);
            }
        }
    }
    if (tamper && !chosen.isEmpty())
        chosen.first().bytes += 1;

    QSignalSpy history(session.get(), &DemoSession::historyChanged);
    QSignalSpy phase(session.get(), &DemoSession::phaseChanged);
    session->recordApplicationSimulation(app, chosen);
    QCOMPARE(phase.size(), 0);
    if (expectedCount < 0) {
        QCOMPARE(history.size(), 0);
        QCOMPARE(session->history().size(), 3);
        return;
    }
    QCOMPARE(history.size(), 1);
    QCOMPARE(session->history().first().title, QStringLiteral("Desinstal·lació simulada"));
    QCOMPARE(session->history().first().count, expectedCount);
    QCOMPARE(session->history().first().bytes, 1'500'000'000);
}

void tst_DemoSession::sumsCountIdsOnceAndSaturate()
{
    const qint64 max = std::numeric_limits<qint64>::max();
    const Candidate a{u"a"_s, u"A"_s, u"Demo/A"_s, max, max, u"Cat"_s, u""_s, Risk::low};
    const Candidate b{u"b"_s, u"B"_s, u"Demo/B"_s, max, 1, u"Cat"_s, u""_s, Risk::low};
    Candidate aAgain = a;
    aAgain.bytes = 1;

    QCOMPARE(DemoSession::unique({a, aAgain, b, a}), (QList<Candidate>{a, b}));

    DemoSession session(std::make_shared<CandidateProvider>(QList<Candidate>{a, aAgain, b}));
    scanToResults(session);
    QCOMPARE(session.candidates().size(), 2);
    QCOMPARE(session.selected().size(), 2);
    QCOMPARE(session.selectedBytes(), max);
    QCOMPARE(session.selectedCount(), max);
    session.review();
    session.completeSimulation();
    QCOMPARE(session.history().first().bytes, max);
}

void tst_DemoSession::sessionGoneDuringScan()
{
    auto session = demoSession();
    session->start(true, {}, 1ms);
    QVERIFY(waitForProgress(*session, [&] { return session->progress() > 0.0; }));
    QList<QPointer<QObject>> owned;
    for (QObject *child : session->findChildren<QObject *>())
        owned << child;
    QVERIFY(!owned.isEmpty());
    session.reset();
    // The scan dies with its session, so no wake-up can reach a destroyed one.
    for (const QPointer<QObject> &child : owned)
        QVERIFY(child.isNull());
    QTest::qWait(20);
}

QTEST_GUILESS_MAIN(tst_DemoSession)
#include "tst_DemoSession.moc"
