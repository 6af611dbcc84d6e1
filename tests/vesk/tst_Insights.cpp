// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TestApp.h"
#include "WidgetFinder.h"

#include "DesignSystem/QuietButton.h"
#include "DesignSystem/SegmentButton.h"
#include "DesignSystem/SegmentedControl.h"
#include "VeskCore/DemoProvider.h"
#include "VeskCore/DemoSession.h"
#include "history/HistoryView.h"
#include "performance/ActivityChart.h"
#include "performance/ActivitySeries.h"
#include "performance/PerformanceView.h"
#include "privacy/PrivacyView.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"

#include <QCheckBox>
#include <QComboBox>

using namespace vesk;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

template <typename View> View *open(TestApp &app, Section section)
{
    app->mainWindow()->show();
    app->navigation().setSelection(section);
    QCoreApplication::processEvents();
    return qobject_cast<View *>(app->mainWindow()->rootView()->screen());
}

PerformancePoint pointWithId(qint64 id)
{
    return DemoProvider().performance().at(id);
}

} // namespace

class tst_Insights : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestApp::prepareApplication(); }
    void seriesPerMetric_data();
    void seriesPerMetric();
    void curveNeverOvershoots();
    void chartInspectorFromTheKeyboard();
    void readoutStaysOverThePlot_data();
    void readoutStaysOverThePlot();
    void processFilter_data();
    void processFilter();
    void privacyOptIn();
    void privacyGuidance();
    void historyFilterAndNewRecords();
};

void tst_Insights::seriesPerMetric_data()
{
    QTest::addColumn<QString>("metric");
    QTest::addColumn<qint64>("id");
    QTest::addColumn<double>("top");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("inspector");
    QTest::newRow("cpu") << "Processador" << qint64(9) << 100.0 << "% · dades simulades"
                         << "35 %";
    QTest::newRow("disk") << "Disc" << qint64(9) << 20.0 << "MB/s · dades simulades"
                          << "12 MB/s";
    QTest::newRow("memory") << "Memòria" << qint64(23) << 100.0 << "% · dades simulades"
                            << "49 %";
}

void tst_Insights::seriesPerMetric()
{
    QFETCH(QString, metric);
    QFETCH(qint64, id);
    QFETCH(double, top);
    QFETCH(QString, unit);
    QFETCH(QString, inspector);
    QCOMPARE(ActivitySeries::domainTop(metric), top);
    QCOMPARE(ActivitySeries::unitLine(metric), unit);
    QCOMPARE(ActivitySeries::inspectorText(pointWithId(id), metric), inspector);

    const auto series = DemoProvider().performance();
    QCOMPARE(ActivitySeries::samples(series, 24).first().id, 0);
    QCOMPARE(ActivitySeries::samples(series, 12).first().id, 12);
    QCOMPARE(ActivitySeries::samples(series, 12).size(), 12);
    QCOMPARE(ActivitySeries::axisLabel(19), QStringLiteral("\u22124 min"));
    QCOMPARE(ActivitySeries::axisLabel(23), QStringLiteral("\u22120 min"));
}

void tst_Insights::curveNeverOvershoots()
{
    QList<QPointF> points;
    const auto series = DemoProvider().performance();
    for (const PerformancePoint &p : series)
        points << QPointF(p.id * 10.0, p.cpu);
    const QPainterPath path = ActivitySeries::monotonePath(points);
    // moveTo, then three elements per cubic segment; a Bézier segment stays
    // inside the hull of its control points.
    QCOMPARE(path.elementCount(), 1 + 3 * (points.size() - 1));
    for (qsizetype segment = 0; segment + 1 < points.size(); ++segment) {
        const double low = qMin(points[segment].y(), points[segment + 1].y());
        const double high = qMax(points[segment].y(), points[segment + 1].y());
        for (int k = 1; k <= 3; ++k) {
            const double y = path.elementAt(int(1 + 3 * segment + k - 1)).y;
            QVERIFY2(y >= low - 1e-9 && y <= high + 1e-9,
                     qPrintable(QStringLiteral("segment %1").arg(segment)));
        }
    }
}

void tst_Insights::chartInspectorFromTheKeyboard()
{
    TestApp app;
    auto *view = open<PerformanceView>(app, Section::performance);
    QVERIFY(view);
    ActivityChart *chart = view->chart();
    chart->setFocus();
    const QString description = chart->accessibleDescription();
    QCOMPARE(chart->currentItem(), -1);
    QTest::keyClick(chart, Qt::Key_Right);
    QCOMPARE(chart->selectedId(), std::optional<qint64>(0));
    QTest::keyClick(chart, Qt::Key_Left); // stays at the first sample
    QCOMPARE(chart->selectedId(), std::optional<qint64>(0));
    QTest::keyClick(chart, Qt::Key_End);
    QCOMPARE(chart->selectedId(), std::optional<qint64>(23));
    QTest::keyClick(chart, Qt::Key_Home);
    QCOMPARE(chart->selectedId(), std::optional<qint64>(0));
    // The inspector moves the current item; what the chart is stays said.
    QCOMPARE(chart->accessibleDescription(), description);
    chart->setSelectedId(9);
    QTest::mouseClick(view->metricPicker()->findChildren<SegmentButton *>().at(2), Qt::LeftButton);
    QCOMPARE(chart->selectedId(), std::optional<qint64>(9)); // kept across metrics
    QCOMPARE(chart->items().value(chart->currentItem()).text, u"−14 min: 12 MB/s"_s);

    view->rangePicker()->setCurrentIndex(0); // 12 minutes: ids 12–23, sample 9 not drawn
    QCOMPARE(chart->items().size(), 12);
    QCOMPARE(chart->currentItem(), -1);
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(chart->width() - 10, 100));
    QCOMPARE(chart->selectedId(), std::optional<qint64>(23));
}

void tst_Insights::readoutStaysOverThePlot_data()
{
    // A plot from x 34 to 534 under 30 points of room; the value axis
    // labels stand left of it.
    QTest::addColumn<qreal>("x");
    QTest::addColumn<qreal>("width");
    QTest::addColumn<qreal>("expectedLeft");
    QTest::newRow("centred on its rule") << 200.0 << 60.0 << 170.0;
    QTest::newRow("first sample: flush with the plot") << 34.0 << 60.0 << 34.0;
    QTest::newRow("last sample: flush with its end") << 534.0 << 60.0 << 474.0;
    QTest::newRow("wider than the plot") << 300.0 << 520.0 << 34.0;
}

void tst_Insights::readoutStaysOverThePlot()
{
    QFETCH(qreal, x);
    QFETCH(qreal, width);
    QFETCH(qreal, expectedLeft);
    const QRectF plot(34, 30, 500, 157);
    const QRectF readout = ActivityChart::readoutRect(plot, x, QSizeF(width, 26));
    QCOMPARE(readout.left(), expectedLeft);
    QCOMPARE(readout.size(), QSizeF(width, 26));
    // Above the plot, inside the widget, clear of the "100" at the top of
    // the value axis.
    QCOMPARE(readout.bottom(), plot.top() - 2);
    QVERIFY(readout.top() >= 0);
    const QRectF topAxisLabel(0, plot.top() - 8, plot.left() - 6, 16);
    QVERIFY(!readout.intersects(topAxisLabel));
}

void tst_Insights::processFilter_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("all") << 0
                         << QStringList{u"Taller"_s, u"Ona"_s, u"Sincronització de mostra"_s,
                                        u"Compositor de mostra"_s};
    QTest::newRow("background") << 1
                                << QStringList{u"Sincronització de mostra"_s,
                                               u"Compositor de mostra"_s};
    QTest::newRow("login") << 2 << QStringList{u"Ona"_s, u"Sincronització de mostra"_s};
}

void tst_Insights::processFilter()
{
    QFETCH(int, filter);
    QFETCH(QStringList, names);
    TestApp app;
    auto *view = open<PerformanceView>(app, Section::performance);
    view->processPicker()->setCurrentIndex(filter);
    QCOMPARE(view->shownProcesses(), names);
    QCOMPARE(PerformanceView::cpuText(7.2, QLocale(QStringLiteral("ca_ES"))),
             QStringLiteral("7,2 % CPU"));
    QVERIFY(PerformanceView::processes({}, QStringLiteral("Altres")).isEmpty());
}

void tst_Insights::privacyOptIn()
{
    TestApp app;
    auto *view = open<PrivacyView>(app, Section::privacy);
    QVERIFY(view);
    QAbstractButton *reveal =
        findVisible<QAbstractButton>(view, QStringLiteral("Revisa l’exemple"));
    QVERIFY(reveal && !reveal->isEnabled());
    QTest::mouseClick(reveal, Qt::LeftButton); // inert
    QVERIFY(!view->rowsShown());

    QTest::mouseClick(view->consentToggle(), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(reveal->isEnabled());
    // From the keyboard: the focus goes on to the button that hides again.
    reveal->setFocus(Qt::TabFocusReason);
    QTest::keyClick(reveal, Qt::Key_Space);
    QVERIFY(view->rowsShown());
    QVERIFY(hasVisibleLabel(view, PrivacyView::browserRows().first()));
    QAbstractButton *hide = findVisible<QAbstractButton>(view, QStringLiteral("Amaga l’exemple"));
    QVERIFY(hide && hide->hasFocus() && !reveal->isVisible());
    QTest::keyClick(hide, Qt::Key_Space);
    QVERIFY(!view->rowsShown());
    QVERIFY(reveal->hasFocus() && !hide->isVisible());
    QTest::mouseClick(reveal, Qt::LeftButton);
    QVERIFY(view->rowsShown());

    // Withdrawing consent hides the rows at once; consenting again keeps them hidden.
    QTest::mouseClick(view->consentToggle(), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(!view->rowsShown());
    QVERIFY(!hasVisibleLabel(view, PrivacyView::browserRows().first()));
    QVERIFY(!reveal->isEnabled());
    QTest::mouseClick(view->consentToggle(), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(!view->rowsShown());
    QVERIFY(reveal->isVisible() && !hide->isVisible());
}

void tst_Insights::privacyGuidance()
{
    TestApp app;
    auto *view = open<PrivacyView>(app, Section::privacy);
    QStringList order;
    for (QAbstractButton *button : view->findChildren<QuietButton *>()) {
        if (button->text() == QStringLiteral("Com revisar-ho a macOS"))
            order << button->accessibleDescription();
    }
    QCOMPARE(order, (QStringList{u"FileVault"_s, u"Gatekeeper"_s, u"Actualitzacions de macOS"_s,
                                 u"Firewall"_s}));
    view->showGuidance(QStringLiteral("updates"));
    QVERIFY(view->openSheet());
    QVERIFY(hasVisibleLabelContaining(view->openSheet(),
                                      QStringLiteral("Actualització de programari")));
    QTest::keyClick(view->openSheet(), Qt::Key_Escape);
    QTRY_VERIFY(!view->openSheet());
    QVERIFY(PrivacyView::guidance(QStringLiteral("filevault"))
                .contains(QStringLiteral("Privacitat i seguretat")));
}

void tst_Insights::historyFilterAndNewRecords()
{
    TestApp app;
    auto *view = open<HistoryView>(app, Section::history);
    QVERIFY(view);
    QVERIFY(hasVisibleLabel(view, QStringLiteral("3 registres de demostració")));
    QTest::mouseClick(view->completedFilter(), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(view->shownTitles(),
             (QStringList{u"Revisió de temporals"_s, u"Anàlisi de demostració"_s}));
    QVERIFY(hasVisibleLabel(view, QStringLiteral("3 registres de demostració")));

    // A simulated cleanup elsewhere: its record is listed first.
    app->session().start(true, {}, 1ms);
    QTRY_COMPARE(app->session().phase(), ScanPhase::results);
    app->session().review();
    app->session().completeSimulation();
    QCOMPARE(view->shownTitles().first(), QStringLiteral("Neteja simulada"));
    QVERIFY(hasVisibleLabel(view, QStringLiteral("4 registres de demostració")));

    view->openEntry(app->session().history().at(1));
    QVERIFY(view->openSheet());
    QVERIFY(hasVisibleLabel(view->openSheet(), QStringLiteral("160 elements de mostra")));
    QVERIFY(clickButton(view->openSheet(), QStringLiteral("Tanca")));
    QTRY_VERIFY(!view->openSheet());
    QCOMPARE(HistoryView::symbolFor(app->session().history().last()),
             QStringLiteral("pause.circle"));
}

QTEST_MAIN(tst_Insights)
#include "tst_Insights.moc"
