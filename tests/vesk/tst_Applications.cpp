// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TestApp.h"
#include "WidgetFinder.h"

#include "DesignSystem/RowButton.h"
#include "DesignSystem/SegmentButton.h"
#include "DesignSystem/SegmentedControl.h"
#include "VeskCore/DemoSession.h"
#include "applications/ApplicationDetail.h"
#include "applications/ApplicationsView.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace vesk;
using namespace Qt::StringLiterals;

namespace {

ApplicationsView *openApplications(TestApp &app)
{
    app->mainWindow()->show();
    app->navigation().setSelection(Section::applications);
    QCoreApplication::processEvents();
    return qobject_cast<ApplicationsView *>(app->mainWindow()->rootView()->screen());
}

QCheckBox *toggleFor(QWidget *sheet, const QString &name)
{
    return findVisible<QCheckBox>(sheet, name);
}

// A component that cannot be chosen: it takes the focus from Tab and reads as
// unavailable, and neither a click, Space nor a screen reader's action ticks
// it.
bool isLocked(QCheckBox *box)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(box);
    if (!node || !node->state().disabled || !node->state().focusable ||
        !(box->focusPolicy() & Qt::TabFocus) || !box->isEnabled())
        return false;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Space);
    if (QAccessibleActionInterface *actions = node->actionInterface()) {
        for (const QString &action : actions->actionNames())
            actions->doAction(action);
    }
    return box->hasFocus() && !box->isChecked();
}

ApplicationDetail *openRow(ApplicationsView *view, const QString &name)
{
    RowButton *row = findVisible<RowButton>(view, name);
    if (!row)
        return nullptr;
    row->setFocus();
    QTest::keyClick(row, Qt::Key_Return); // from the keyboard
    QCoreApplication::processEvents();
    return view->openSheet();
}

} // namespace

class tst_Applications : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestApp::prepareApplication(); }
    void typingKeepsFocusAndCursor();
    void uninstallFlowRecordsOnce();
    void backKeepsTicksAndAlertCancelAddsNothing();
    void protectedApplicationIsReadOnly();
    void sheetStartsEmptyEachTime();
};

void tst_Applications::typingKeepsFocusAndCursor()
{
    TestApp app;
    ApplicationsView *view = openApplications(app);
    app->mainWindow()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app->mainWindow()));
    view->searchField()->setFocus();
    QTest::keyClicks(view->searchField(), QStringLiteral("ona"));
    QVERIFY(view->searchField()->hasFocus());
    QCOMPARE(view->searchField()->cursorPosition(), 3);
    QCOMPARE(view->shownIds(), QStringList{u"ona"_s});
    // Escape empties the field, as a search field does, and leaves the focus.
    QTest::keyClick(view->searchField(), Qt::Key_Escape);
    QVERIFY(view->searchField()->text().isEmpty() && view->searchField()->hasFocus());
    QCOMPARE(view->shownIds().size(), 6);
    QCOMPARE(ApplicationsView::splitText(app->session().data().applications().first()),
             QStringLiteral("38 GB + 6 GB"));
}

void tst_Applications::uninstallFlowRecordsOnce()
{
    TestApp app;
    ApplicationsView *view = openApplications(app);
    ApplicationDetail *sheet = openRow(view, QStringLiteral("Taller"));
    QVERIFY(sheet);
    QVERIFY(hasVisibleLabel(sheet, QStringLiteral("Total seleccionat: 0 B")));
    QAbstractButton *review =
        findVisible<QAbstractButton>(sheet, QStringLiteral("Revisa la selecció"));
    QVERIFY(review && !review->isEnabled());
    QVERIFY(isLocked(toggleFor(sheet, QStringLiteral("Dades personals"))));
    QVERIFY(!isLocked(toggleFor(sheet, QStringLiteral("Aplicació principal"))));
    QVERIFY(hasVisibleLabel(sheet, QStringLiteral("Total seleccionat: 0 B")));
    QVERIFY(!review->isEnabled());

    QTest::mouseClick(toggleFor(sheet, QStringLiteral("Memòries cau")), Qt::LeftButton, {},
                      QPoint(8, 8));
    QVERIFY(review->isEnabled());
    QVERIFY(hasVisibleLabel(sheet, QStringLiteral("Total seleccionat: 1.5 GB")) ||
            hasVisibleLabel(sheet, QStringLiteral("Total seleccionat: 1,5 GB")));
    QVERIFY(clickButton(sheet, QStringLiteral("Revisa la selecció")));
    QCoreApplication::processEvents();
    QVERIFY(sheet->reviewing());
    QVERIFY(clickButton(sheet, QStringLiteral("Confirma la simulació")));
    QVERIFY(sheet->confirmationAlert());
    QVERIFY(clickButton(sheet->confirmationAlert(), QStringLiteral("Confirma la simulació")));
    QCoreApplication::processEvents();
    QVERIFY(sheet->completed());
    QCOMPARE(app->session().history().size(), 4);
    QCOMPARE(app->session().history().first().title, QStringLiteral("Desinstal·lació simulada"));
    QCOMPARE(app->session().history().first().count, 12);
    QVERIFY(hasVisibleLabel(sheet, QStringLiteral("Simulació completada")));
    QVERIFY(!findVisible<QAbstractButton>(sheet, QStringLiteral("Confirma la simulació")));
    QVERIFY(clickButton(sheet, QStringLiteral("Tanca")));
    QTRY_VERIFY(!view->openSheet());
    QCOMPARE(app->session().history().size(), 4);
}

void tst_Applications::backKeepsTicksAndAlertCancelAddsNothing()
{
    TestApp app;
    ApplicationsView *view = openApplications(app);
    ApplicationDetail *sheet = openRow(view, QStringLiteral("Ona"));
    sheet->setTicked(QStringLiteral("ona.cache"), true);
    sheet->setTicked(QStringLiteral("ona.personal"), true); // protected: never chosen
    QCOMPARE(sheet->chosen().size(), 1);
    sheet->advance();
    QCoreApplication::processEvents();
    QVERIFY(clickButton(sheet, QStringLiteral("Enrere")));
    QCoreApplication::processEvents();
    QVERIFY(!sheet->reviewing());
    QVERIFY(toggleFor(sheet, QStringLiteral("Memòries cau"))->isChecked());

    sheet->advance();
    sheet->advance();
    QVERIFY(sheet->confirmationAlert());
    QTest::keyClick(sheet->confirmationAlert(), Qt::Key_Escape); // acts as "Cancel·la"
    QTRY_VERIFY(!sheet->confirmationAlert());
    QVERIFY(sheet->isVisible());
    QVERIFY(sheet->reviewing());
    QCOMPARE(app->session().history().size(), 3);
}

void tst_Applications::protectedApplicationIsReadOnly()
{
    TestApp app;
    ApplicationsView *view = openApplications(app);
    ApplicationDetail *sheet = openRow(view, QStringLiteral("Visor del sistema"));
    QVERIFY(sheet);
    const QList<QCheckBox *> boxes = sheet->findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), 6);
    for (QCheckBox *box : boxes)
        QVERIFY(isLocked(box));
    QVERIFY(!findVisible<QAbstractButton>(sheet, QStringLiteral("Revisa la selecció")));
    QVERIFY(hasVisibleLabelContaining(sheet, QStringLiteral("component del sistema")));
    sheet->setTicked(QStringLiteral("system.preferences"), true);
    QVERIFY(sheet->chosen().isEmpty());
    QTest::keyClick(sheet, Qt::Key_Escape);
    QTRY_VERIFY(!view->openSheet());
}

void tst_Applications::sheetStartsEmptyEachTime()
{
    TestApp app;
    ApplicationsView *view = openApplications(app);
    ApplicationDetail *sheet = openRow(view, QStringLiteral("Taller"));
    sheet->setTicked(QStringLiteral("taller.cache"), true);
    sheet->reject();
    QTRY_VERIFY(!view->openSheet());
    sheet = openRow(view, QStringLiteral("Taller"));
    QVERIFY(sheet->chosen().isEmpty());
    QCOMPARE(ApplicationDetail::chosen(
                 app->session().data().applications().first(),
                 {QStringLiteral("taller.shared"), QStringLiteral("taller.bundle")})
                 .size(),
             1);
}

QTEST_MAIN(tst_Applications)
#include "tst_Applications.moc"
