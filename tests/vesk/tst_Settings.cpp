// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TestApp.h"

#include "DesignSystem/SegmentButton.h"
#include "SystemAppearance.h"
#include "settings/SettingsView.h"

#include "DesignSystem/text/TextLabel.h"
#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace vesk;
using namespace Qt::StringLiterals;

namespace {

template <typename T> T *findByText(QWidget *root, const QString &text)
{
    for (T *widget : root->findChildren<T *>()) {
        if (widget->text() == text && widget->isVisibleTo(root))
            return widget;
    }
    return nullptr;
}

// Where a person clicks a check box: on its box, not the empty space beside it.
QPoint indicator(QCheckBox *box)
{
    return {8, box->height() / 2};
}

SettingsView *openSettings(TestApp &app, const QString &tab)
{
    app->showSettings();
    SettingsView *view = app->settingsWindow();
    view->setTab(tab);
    return view;
}

} // namespace

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestApp::prepareApplication(); }
    void categoryTogglesStayInMemory();
    void exclusionsEditor();
    void exclusionsKeepTheFocus();
    void oneWindowStartingAtGeneral();
    void unknownTabShowsAbout();
    void aChoiceTheDiskRefusesIsSaidQuietly();
};

void tst_Settings::categoryTogglesStayInMemory()
{
    TestApp app;
    SettingsView *view = openSettings(app, QStringLiteral("Neteja"));
    const QByteArray before = app.settingsText();
    const QStringList all = {QStringLiteral("Fitxers temporals"), QStringLiteral("Fitxers grans"),
                             QStringLiteral("Aplicacions")};
    for (const QString &category : all) {
        QCheckBox *box = findByText<QCheckBox>(view, category);
        QVERIFY(box);
        QVERIFY(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, {}, indicator(box));
    }
    QCOMPARE(app->preferences().excludedCategories(), QSet<QString>(all.cbegin(), all.cend()));
    QCOMPARE(app.settingsText(), before);

    QCheckBox *large = findByText<QCheckBox>(view, QStringLiteral("Fitxers grans"));
    QTest::mouseClick(large, Qt::LeftButton, {}, indicator(large));
    QVERIFY(!app->preferences().excludedCategories().contains(QStringLiteral("Fitxers grans")));

    // A change from elsewhere shows in the toggles.
    app->preferences().setCategoryExcluded(QStringLiteral("Aplicacions"), false);
    QVERIFY(findByText<QCheckBox>(view, QStringLiteral("Aplicacions"))->isChecked());
}

namespace {
// What Tab reaches inside `page`, in order, as each control reads.
QStringList tabOrder(QWidget *page)
{
    QStringList order;
    QWidget *start = page->window()->focusWidget();
    for (QWidget *w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() &&
            w->isEnabled()) {
            // A row's button is told apart by its description, the row's name.
            const QAccessibleInterface *node = QAccessible::queryAccessibleInterface(w);
            const QString description = node->text(QAccessible::Description);
            order << (description.isEmpty() ? node->text(QAccessible::Name) : description);
        }
    }
    return order;
}
} // namespace

// From the keyboard: Tab goes through the page as it is shown, and a row
// added or removed keeps the focus in the page, on the row that is there.
void tst_Settings::exclusionsKeepTheFocus()
{
    TestApp app;
    SettingsView *view = openSettings(app, QStringLiteral("Exclusions"));
    QVERIFY(QTest::qWaitForWindowActive(view));
    view->findChildren<QAbstractButton *>().constFirst()->setFocus(Qt::TabFocusReason);
    QWidget *page = view->currentPage();
    QTRY_COMPARE(tabOrder(page), (QStringList{u"Documents personals"_s, u"Recursos compartits"_s,
                                              u"Exemple"_s, u"Afegeix"_s}));

    const auto focused = [view] {
        return view->focusWidget();
    };
    QAbstractButton *add = findByText<QAbstractButton>(view, QStringLiteral("Afegeix"));
    add->setFocus(Qt::TabFocusReason);
    QTest::keyClick(add, Qt::Key_Space);
    QTRY_COMPARE(focused()->accessibleDescription(), u"Arxiu familiar"_s);
    QTest::keyClick(focused(), Qt::Key_Space); // removes it again
    QTRY_COMPARE(focused()->accessibleDescription(), u"Documents personals"_s);
    QTest::keyClick(focused(), Qt::Key_Space);
    QTRY_COMPARE(focused()->accessibleDescription(), u"Recursos compartits"_s);
    QTest::keyClick(focused(), Qt::Key_Space); // the last one: the focus goes to "Afegeix"
    QTRY_COMPARE(focused(), add);
    QVERIFY(view->exclusions().isEmpty());
}

void tst_Settings::exclusionsEditor()
{
    TestApp app;
    SettingsView *view = openSettings(app, QStringLiteral("Exclusions"));
    QCOMPARE(view->exclusions(), (QStringList{u"Documents personals"_s, u"Recursos compartits"_s}));

    QAbstractButton *add = findByText<QAbstractButton>(view, QStringLiteral("Afegeix"));
    QVERIFY(add && add->isEnabled());
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(view->exclusions(), (QStringList{u"Arxiu familiar"_s, u"Documents personals"_s,
                                              u"Recursos compartits"_s}));
    QVERIFY(!add->isEnabled());

    QComboBox *example = nullptr;
    for (QComboBox *combo : view->findChildren<QComboBox *>()) {
        if (combo->accessibleName() == QStringLiteral("Exemple"))
            example = combo;
    }
    QVERIFY(example);
    example->setCurrentIndex(1); // "Aplicació Taller"
    QVERIFY(add->isEnabled());

    // Remove every row; only the picker row stays.
    while (!view->exclusions().isEmpty()) {
        const qsizetype before = view->exclusions().size();
        QAbstractButton *remove = nullptr;
        // Rebuilt rows are shown once the event loop runs.
        QTRY_VERIFY((remove = findByText<QAbstractButton>(
                         view, QStringLiteral("Retira de l’exemple"))) != nullptr);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(view->exclusions().size(), before - 1);
        // The rows are rebuilt once the click has finished.
        const auto removeButtons = [view] {
            const auto buttons = view->findChildren<QAbstractButton *>();
            return std::count_if(buttons.cbegin(), buttons.cend(), [](QAbstractButton *b) {
                return b->text() == QStringLiteral("Retira de l’exemple");
            });
        };
        QTRY_COMPARE(removeButtons(), before - 1);
    }
    QVERIFY(add->isVisibleTo(view));
    QVERIFY(example->isVisibleTo(view));
}

void tst_Settings::oneWindowStartingAtGeneral()
{
    TestApp app;
    SettingsView *first = openSettings(app, QStringLiteral("Permisos"));
    app->showSettings();
    QCOMPARE(app->settingsWindow(), first);
    QCOMPARE(first->tab(), QStringLiteral("Permisos"));

    const QPointer<SettingsView> closed = first;
    first->close();
    QTRY_VERIFY(closed.isNull());
    app->showSettings();
    QVERIFY(app->settingsWindow());
    QCOMPARE(app->settingsWindow()->tab(), QStringLiteral("General"));
}

void tst_Settings::unknownTabShowsAbout()
{
    TestApp app;
    SettingsView *view = openSettings(app, QStringLiteral("Inexistent"));
    QCOMPARE(view->tab(), QStringLiteral("Quant a"));
    QVERIFY(
        findByText<vesk::TextLabel>(view->currentPage(), QStringLiteral("Versió 0.1 · Fase 1")));
    // Only the modules this build uses: no D-Bus where the portal is not asked.
    const QString modules = vesk::SystemAppearance::asksThePortal()
                                ? QStringLiteral("Qt 6 (Core, Gui, Widgets, Svg, D-Bus)")
                                : QStringLiteral("Qt 6 (Core, Gui, Widgets, Svg)");
    QVERIFY(findByText<vesk::TextLabel>(view->currentPage(), modules));
}

// A choice that cannot be stored still applies, and the window says, in
// one quiet line, that it lasts for this session only.
void tst_Settings::aChoiceTheDiskRefusesIsSaidQuietly()
{
    TestApp app;
    SettingsView *view = openSettings(app, QStringLiteral("General"));
    const QString note = QStringLiteral("Aquest canvi no s’ha pogut desar al disc. Es manté fins "
                                        "que tanquis vesk.");
    QVERIFY(!findByText<vesk::TextLabel>(view, note));
    QVERIFY(QDir().mkpath(app.settingsPath())); // a folder takes the file's place
    QCheckBox *compact =
        findByText<QCheckBox>(view, QStringLiteral("Espaiat compacte entre targetes"));
    QTest::mouseClick(compact, Qt::LeftButton, {}, indicator(compact));
    QVERIFY(app->preferences().compactCards());
    QVERIFY(findByText<vesk::TextLabel>(view, note));

    QVERIFY(QDir().rmdir(app.settingsPath()));
    QTest::mouseClick(compact, Qt::LeftButton, {}, indicator(compact));
    QVERIFY(!findByText<vesk::TextLabel>(view, note));
    QCOMPARE(app.settingsText(), QByteArray("[General]\ncompactCards=false\n"));
}

QTEST_MAIN(tst_Settings)
#include "tst_Settings.moc"
