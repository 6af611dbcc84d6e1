// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TestApp.h"

#include "DesignSystem/AdaptiveGrid.h"
#include "DesignSystem/PrimaryButton.h"
#include "VeskCore/DemoSession.h"
#include "home/DonutChart.h"
#include "home/HomeView.h"
#include "home/ResponsivePair.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"

#include <QSignalSpy>
#include <QTest>

using namespace vesk;
using namespace std::chrono_literals;

namespace {

QWidget *screenOf(TestApp &app)
{
    return app->mainWindow()->rootView()->screen();
}

} // namespace

class tst_Home : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestApp::prepareApplication(); }
    void mainButtonInBothPhases();
    void layoutRules_data();
    void layoutRules();
    void donutSectors();
};

void tst_Home::mainButtonInBothPhases()
{
    TestApp app;
    app->setScanTick(1h);
    app->mainWindow()->show();
    auto *home = qobject_cast<HomeView *>(screenOf(app));
    QVERIFY(home);
    QCOMPARE(home->mainButton()->text(), QStringLiteral("Analitza ara"));
    QTest::mouseClick(home->mainButton(), Qt::LeftButton);
    QCOMPARE(app->navigation().selection(), Section::cleanup);
    QCOMPARE(app->session().phase(), ScanPhase::scanning);

    // While scanning: only navigates, the running scan is left alone.
    app->navigation().setSelection(Section::home);
    home = qobject_cast<HomeView *>(screenOf(app));
    QCOMPARE(home->mainButton()->text(), QStringLiteral("Veure l’anàlisi"));
    QSignalSpy progress(&app->session(), &DemoSession::progressChanged);
    QSignalSpy phase(&app->session(), &DemoSession::phaseChanged);
    QTest::mouseClick(home->mainButton(), Qt::LeftButton);
    QCOMPARE(app->navigation().selection(), Section::cleanup);
    QCOMPARE(phase.size(), 0);
    QCOMPARE(progress.size(), 0);
}

void tst_Home::layoutRules_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("sideBySide");
    QTest::newRow("one column") << 300 << 1 << false;
    QTest::newRow("just two") << 344 << 2 << false;
    QTest::newRow("just below side by side") << 622 << 3 << false;
    QTest::newRow("side by side") << 623 << 3 << true;
    QTest::newRow("four") << 702 << 4 << true;
    QTest::newRow("wide page") << 1190 << 6 << true;
}

void tst_Home::layoutRules()
{
    QFETCH(int, width);
    QFETCH(int, columns);
    QFETCH(bool, sideBySide);
    QCOMPARE(
        AdaptiveGrid::columnCount(width, HomeView::metricMinimumWidth, HomeView::metricSpacing),
        columns);
    QCOMPARE(ResponsivePair::fitsSideBySide(width, HomeView::storageMinimumWidth,
                                            HomeView::recommendationsMinimumWidth,
                                            HomeView::cardSpacing),
             sideBySide);
}

void tst_Home::donutSectors()
{
    const QList<double> values{116, 84, 62, 96, 26, 128};
    const auto sectors = DonutChart::sectors(values, 1.0);
    QCOMPARE(sectors.size(), 6);
    QCOMPARE(sectors.first().startDegrees, 0.5);
    qreal total = 0;
    for (qsizetype i = 0; i < sectors.size(); ++i) {
        QVERIFY(qAbs(sectors.at(i).spanDegrees - (360.0 * values.at(i) / 512 - 1.0)) < 1e-9);
        total += sectors.at(i).spanDegrees + 1.0;
    }
    QVERIFY(qAbs(total - 360.0) < 1e-9);
    QVERIFY(DonutChart::sectors({0, 0}, 1).isEmpty());
    // A sliver never gets a negative span.
    QVERIFY(DonutChart::sectors({1000, 0.001}, 2).last().spanDegrees >= 0);

    TestApp app;
    DonutChart chart(app->session().data().diskCategories());
    QVERIFY(chart.accessibleDescription().contains(QStringLiteral("Fotos i vídeos: 116 GB")));
    QVERIFY(chart.accessibleDescription().contains(QStringLiteral("Espai lliure: 128 GB")));
}

QTEST_MAIN(tst_Home)
#include "tst_Home.moc"
