// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TestApp.h"
#include "WidgetFinder.h"

#include "DesignSystem/GaugeBar.h"
#include "DesignSystem/PrimaryButton.h"
#include "DesignSystem/text/TextLabel.h"
#include "VeskCore/DemoSession.h"
#include "cleanup/CandidateDetail.h"
#include "cleanup/CandidateRow.h"
#include "cleanup/CleanupView.h"
#include "cleanup/ScanningCard.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

using namespace vesk;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

QWidget *screenOf(TestApp &app)
{
    return app->mainWindow()->rootView()->screen();
}

// Opens the cleanup section in a shown window, with 1 ms scan ticks.
QWidget *openCleanup(TestApp &app)
{
    app->setScanTick(1ms);
    app->mainWindow()->show();
    app->navigation().setSelection(Section::cleanup);
    return screenOf(app);
}

bool waitForPhase(DemoSession &session, ScanPhase phase)
{
    QSignalSpy changed(&session, &DemoSession::phaseChanged);
    while (session.phase() != phase) {
        if (!changed.wait(5000))
            return false;
    }
    QCoreApplication::processEvents(); // the new phase body is shown
    return true;
}

CandidateRow *rowFor(QWidget *screen, const QString &id)
{
    for (CandidateRow *row : screen->findChildren<CandidateRow *>()) {
        if (row->candidate().id == id && row->isVisible())
            return row;
    }
    return nullptr;
}

} // namespace

class tst_Cleanup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestApp::prepareApplication(); }
    void stepsAndTexts_data();
    void stepsAndTexts();
    void scanningStages();
    void stageNamesThroughTheCatalog();
    void fullFlowToHistory();
    void cancelReturnsToTheIntro();
    void restartsFromResultsAndCompleted();
    void everyCategoryExcluded();
    void alertCancelChangesNothing();
    void detailSheetClosesOnEscape();
};

void tst_Cleanup::stepsAndTexts_data()
{
    QTest::addColumn<ScanPhase>("phase");
    QTest::addColumn<int>("step");
    QTest::newRow("idle") << ScanPhase::idle << 0;
    QTest::newRow("scanning") << ScanPhase::scanning << 0;
    QTest::newRow("cancelled") << ScanPhase::cancelled << 0;
    QTest::newRow("results") << ScanPhase::results << 1;
    QTest::newRow("review") << ScanPhase::review << 2;
    QTest::newRow("completed") << ScanPhase::completed << 3;
}

void tst_Cleanup::stepsAndTexts()
{
    QFETCH(ScanPhase, phase);
    QFETCH(int, step);
    QCOMPARE(CleanupView::stepFor(phase), step);
    // The alert counts files, not rows.
    QCOMPARE(CleanupView::confirmationMessage(160, 4'000'000'000),
             QStringLiteral("Es representarà l’enviament a la Paperera de 160 fitxers de mostra "
                            "(4 GB). No es modificarà cap fitxer."));
    QCOMPARE(CandidateDetail::plannedAction(Risk::protected_),
             QStringLiteral("Cap acció · exclòs"));
    QCOMPARE(CandidateDetail::plannedAction(Risk::low), QStringLiteral("Paperera (simulada)"));
}

void tst_Cleanup::scanningStages()
{
    QCOMPARE(ScanningCard::percentText(0), QStringLiteral("0 %"));
    QCOMPARE(ScanningCard::percentText(0.999), QStringLiteral("99 %"));
    QCOMPARE(ScanningCard::percentText(1), QStringLiteral("100 %"));
    // Exactly one stage is "En curs" whatever the current stage.
    for (int current = 0; current < 5; ++current) {
        int running = 0;
        for (int i = 0; i < 5; ++i)
            running += ScanningCard::stageStatus(i, current) == QStringLiteral("En curs");
        QCOMPARE(running, 1);
        QCOMPARE(ScanningCard::stageStatus(0, current),
                 current == 0 ? QStringLiteral("En curs") : QStringLiteral("Completa"));
    }

    // The bar follows the session, and jumps when motion is reduced.
    TestApp app;
    app->systemAppearance().setReducedMotion(true);
    ScanningCard card(app->session(), app->systemAppearance());
    app->session().start(true, {}, 1ms);
    QVERIFY(waitForPhase(app->session(), ScanPhase::results));
    QCOMPARE(card.progressBar()->fraction(), 1.0);
    QCOMPARE(card.progressBar()->text(), QStringLiteral("100 %"));
}

namespace {
// A catalog that gives the stage names in English, as a translator's would.
class EnglishStages : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "vesk::DemoSession") == 0 && qstrcmp(source, "Emmagatzematge") == 0)
            return u"Storage"_s;
        return {};
    }
    bool isEmpty() const override { return false; }
};
} // namespace

void tst_Cleanup::stageNamesThroughTheCatalog()
{
    // vesk's own catalog is embedded.
    QTranslator catalan;
    QVERIFY(loadCatalog(catalan));
    QCOMPARE(catalan.filePath(), u":/i18n/vesk_ca.qm"_s);

    EnglishStages english;
    QCoreApplication::installTranslator(&english);
    const auto restore = qScopeGuard([&english] { QCoreApplication::removeTranslator(&english); });
    TestApp app;
    ScanningCard card(app->session(), app->systemAppearance());
    app->session().start(true, {}, 1h);
    QStringList shown;
    for (const TextLabel *label : card.findChildren<TextLabel *>())
        shown << label->text();
    QVERIFY2(shown.contains(u"Storage"_s), qPrintable(shown.join(u" | "_s)));
    QVERIFY(!shown.contains(u"Emmagatzematge"_s));
    app->session().cancel();
}

void tst_Cleanup::fullFlowToHistory()
{
    TestApp app;
    QWidget *screen = openCleanup(app);
    const qsizetype seeds = app->session().history().size();

    QVERIFY(clickButton(screen, QStringLiteral("Inicia l’anàlisi simulada")));
    QVERIFY(waitForPhase(app->session(), ScanPhase::results));
    QVERIFY(hasVisibleLabel(screen, QStringLiteral("4 GB seleccionats")));
    QVERIFY(hasVisibleLabel(screen, QStringLiteral("160 fitxers de demostració")));

    // Tick the archive too; the footer follows.
    CandidateRow *archive = rowFor(screen, QStringLiteral("archive"));
    QVERIFY(archive);
    QCOMPARE(archive->checkBox()->accessibleName(), QStringLiteral("Projecte arxivat.zip"));
    QTest::mouseClick(archive->checkBox(), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(app->session().selectedIDs().contains(QStringLiteral("archive")));
    QVERIFY(archive->checkBox()->isChecked());
    QVERIFY(hasVisibleLabel(screen, QStringLiteral("28 GB seleccionats")));

    QVERIFY(clickButton(screen, QStringLiteral("Revisa la selecció")));
    QCOMPARE(app->session().phase(), ScanPhase::review);
    QCoreApplication::processEvents();
    QVERIFY(clickButton(screen, QStringLiteral("Continua amb la simulació")));
    auto *view = qobject_cast<CleanupView *>(screen);
    QVERIFY(view && view->confirmationAlert());
    QVERIFY(view->confirmationAlert()->informativeText().contains(
        QStringLiteral("161 fitxers de mostra (28 GB)")));
    QVERIFY(clickButton(view->confirmationAlert(), QStringLiteral("Confirma la simulació")));
    QVERIFY(waitForPhase(app->session(), ScanPhase::completed));

    const HistoryEntry record = app->session().history().first();
    QCOMPARE(app->session().history().size(), seeds + 1);
    QCOMPARE(record.title, QStringLiteral("Neteja simulada"));
    QCOMPARE(record.count, 161);
    QVERIFY(hasVisibleLabelContaining(screen, QStringLiteral("Has revisat 161 fitxers")));

    QVERIFY(clickButton(screen, QStringLiteral("Consulta l’historial")));
    QCOMPARE(app->navigation().selection(), Section::history);
}

void tst_Cleanup::cancelReturnsToTheIntro()
{
    TestApp app;
    QWidget *screen = openCleanup(app);
    QVERIFY(!hasVisibleLabelContaining(screen, QStringLiteral("Última simulació")));
    QVERIFY(clickButton(screen, QStringLiteral("Inicia l’anàlisi simulada")));
    QVERIFY(waitForPhase(app->session(), ScanPhase::results));

    app->setScanTick(1h);
    QVERIFY(clickButton(screen, QStringLiteral("Torna a analitzar")));
    QCOMPARE(app->session().phase(), ScanPhase::scanning);
    QCoreApplication::processEvents();
    QVERIFY(hasVisibleLabel(screen, QStringLiteral("0 %")));
    QVERIFY(clickButton(screen, QStringLiteral("Cancel·la l’anàlisi")));
    QCOMPARE(app->session().phase(), ScanPhase::cancelled);
    QCoreApplication::processEvents();
    QVERIFY(hasVisibleLabel(screen, QStringLiteral("Anàlisi cancel·lada. Tot al seu lloc.")));
    // The earlier finished scan is still on record.
    QVERIFY(hasVisibleLabelContaining(screen, QStringLiteral("Última simulació: ")));
}

void tst_Cleanup::restartsFromResultsAndCompleted()
{
    TestApp app;
    QWidget *screen = openCleanup(app);
    QVERIFY(clickButton(screen, QStringLiteral("Inicia l’anàlisi simulada")));
    QVERIFY(waitForPhase(app->session(), ScanPhase::results));
    app->session().review();
    app->session().completeSimulation();
    QCoreApplication::processEvents();
    QVERIFY(clickButton(screen, QStringLiteral("Repeteix la demostració")));
    QCOMPARE(app->session().phase(), ScanPhase::scanning);
    QVERIFY(waitForPhase(app->session(), ScanPhase::results));
    // The completed totals of the earlier run stay until the next completion.
    QCOMPARE(app->session().completedCount(), 160);
}

void tst_Cleanup::everyCategoryExcluded()
{
    TestApp app;
    app->preferences().setExcludedCategories({QStringLiteral("Fitxers temporals"),
                                              QStringLiteral("Fitxers grans"),
                                              QStringLiteral("Aplicacions")});
    QWidget *screen = openCleanup(app);
    QVERIFY(clickButton(screen, QStringLiteral("Inicia l’anàlisi simulada")));
    QVERIFY(waitForPhase(app->session(), ScanPhase::results));
    QVERIFY(hasVisibleLabelContaining(screen, QStringLiteral("No hi ha candidats")));
    QVERIFY(screen->findChildren<CandidateRow *>().isEmpty());
    QVERIFY(hasVisibleLabel(screen, QStringLiteral("0 B seleccionats")));
    QVERIFY(hasVisibleLabel(screen, QStringLiteral("0 fitxers de demostració")));
    QAbstractButton *review =
        findVisible<QAbstractButton>(screen, QStringLiteral("Revisa la selecció"));
    QVERIFY(review && !review->isEnabled());
}

void tst_Cleanup::alertCancelChangesNothing()
{
    TestApp app;
    QWidget *screen = openCleanup(app);
    QVERIFY(clickButton(screen, QStringLiteral("Inicia l’anàlisi simulada")));
    QVERIFY(waitForPhase(app->session(), ScanPhase::results));
    QVERIFY(clickButton(screen, QStringLiteral("Revisa la selecció")));
    QCoreApplication::processEvents();
    auto *view = qobject_cast<CleanupView *>(screen);
    view->askConfirmation();
    view->askConfirmation(); // a second request while open opens nothing more
    QCOMPARE(screen->findChildren<QMessageBox *>().size(), 1);
    QVERIFY(clickButton(view->confirmationAlert(), QStringLiteral("Cancel·la")));
    QTRY_VERIFY(!view->confirmationAlert());
    QCOMPARE(app->session().phase(), ScanPhase::review);
    QCOMPARE(app->session().history().size(), 3);
}

void tst_Cleanup::detailSheetClosesOnEscape()
{
    TestApp app;
    QWidget *screen = openCleanup(app);
    QVERIFY(clickButton(screen, QStringLiteral("Inicia l’anàlisi simulada")));
    QVERIFY(waitForPhase(app->session(), ScanPhase::results));
    auto *view = qobject_cast<CleanupView *>(screen);
    QAbstractButton *info = nullptr;
    for (QAbstractButton *button : screen->findChildren<QAbstractButton *>()) {
        if (button->accessibleName() == QStringLiteral("Detalls de Projecte arxivat.zip"))
            info = button;
    }
    QVERIFY(info);
    QTest::mouseClick(info, Qt::LeftButton);
    CandidateDetail *sheet = view->detailSheet();
    QVERIFY(sheet);
    QCOMPARE(sheet->width(), CandidateDetail::fixedWidth);
    QVERIFY(hasVisibleLabel(sheet, QStringLiteral("Paperera (simulada)")));
    QTest::keyClick(sheet, Qt::Key_Escape);
    QTRY_VERIFY(!view->detailSheet());
    QCOMPARE(app->session().phase(), ScanPhase::results); // read-only
}

QTEST_MAIN(tst_Cleanup)
#include "tst_Cleanup.moc"
