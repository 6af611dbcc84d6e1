// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// Layouts measured, not restated: sheets as tall as their content with the
// design's spacings, settings tabs that scroll only when they must, figures
// that stay one left-to-right run in a mirrored window.

#include "TestApp.h"

#include "DesignSystem/ModalHeader.h"
#include "DesignSystem/Sheet.h"
#include "DesignSystem/text/TextLabel.h"
#include "VeskCore/DemoSession.h"
#include "applications/ApplicationsView.h"
#include "cleanup/CleanupView.h"
#include "history/HistoryView.h"
#include "privacy/PrivacyView.h"
#include "settings/SettingsView.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"
#include "storage/StorageView.h"
#include "storage/TreemapBlock.h"

#include <QLayout>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace vesk;
using namespace Qt::StringLiterals;

class tst_Layout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestApp::prepareApplication(); }
    void sheetsTakeTheirContentsHeight_data();
    void sheetsTakeTheirContentsHeight();
    void settingsTabsScrollOnlyWhenTheyMust();
    void figuresStayLeftToRight();
    void treemapLabelsWholeOrNotAtAll_data();
    void treemapLabelsWholeOrNotAtAll();
};

namespace {

Sheet *openSheet(TestApp &app, const QString &kind)
{
    QWidget *screen = app->mainWindow()->rootView()->screen();
    const DemoDataProviding &data = app->session().data();
    if (kind == u"privacy"_s) {
        auto *view = qobject_cast<PrivacyView *>(screen);
        view->showGuidance(u"updates"_s);
        return view->openSheet();
    }
    if (kind == u"history"_s) {
        auto *view = qobject_cast<HistoryView *>(screen);
        view->openEntry(data.history().first());
        return view->openSheet();
    }
    if (kind == u"application"_s) {
        auto *view = qobject_cast<ApplicationsView *>(screen);
        for (const DemoApplication &a : data.applications())
            if (a.name == u"Taller"_s)
                view->openApplication(a);
        return view->openSheet();
    }
    if (kind == u"storage"_s) {
        auto *view = qobject_cast<StorageView *>(screen);
        const StorageNode root = data.storage();
        StorageNode file = root;
        while (file.isFolder()) {
            const StorageNode child = file.children.first(); // not from inside itself
            file = child;
        }
        view->openNode(file);
        return view->openSheet();
    }
    if (kind == u"candidate"_s) {
        auto *view = qobject_cast<CleanupView *>(screen);
        view->showDetail(data.candidates().first());
        return view->detailSheet();
    }
    return nullptr;
}

} // namespace

void tst_Layout::sheetsTakeTheirContentsHeight_data()
{
    QTest::addColumn<Section>("section");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("window");
    for (const QSize size : {QSize(1100, 760), QSize(800, 580)}) {
        const QByteArray at =
            QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height());
        QTest::addRow("privacy guidance %s", at.constData())
            << Section::privacy << u"privacy"_s << size;
        QTest::addRow("history record %s", at.constData())
            << Section::history << u"history"_s << size;
        QTest::addRow("uninstall of Taller %s", at.constData())
            << Section::applications << u"application"_s << size;
        QTest::addRow("storage file %s", at.constData())
            << Section::storage << u"storage"_s << size;
        QTest::addRow("candidate %s", at.constData()) << Section::cleanup << u"candidate"_s << size;
    }
}

void tst_Layout::sheetsTakeTheirContentsHeight()
{
    QFETCH(Section, section);
    QFETCH(QString, kind);
    QFETCH(QSize, window);
    TestApp app;
    MainWindow *main = app->mainWindow();
    main->resize(window);
    main->show();
    app->navigation().setSelection(section);
    QCoreApplication::processEvents();
    Sheet *sheet = openSheet(app, kind);
    QVERIFY(sheet);
    QTRY_VERIFY(sheet->isVisible());
    QCoreApplication::processEvents();

    // As tall as its content at its width, and never taller than the window
    // it belongs to (a list inside scrolls instead).
    QLayout *layout = sheet->layout();
    const int wanted = layout->totalHeightForWidth(sheet->width());
    QVERIFY2(sheet->height() <= main->height(), qPrintable(QString::number(sheet->height())));
    if (wanted <= main->height())
        QVERIFY2(qAbs(sheet->height() - wanted) <= 2,
                 qPrintable(u"%1 against %2"_s.arg(sheet->height()).arg(wanted)));

    // No one-line text stands in a box taller than its line.
    for (const TextLabel *label : sheet->findChildren<TextLabel *>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().contains(u'\n'))
            continue;
        // (in a row, a taller neighbour may give it a few points more)
        QVERIFY2(label->height() <= label->sizeHint().height() + 8,
                 qPrintable(label->text() + u" "_s + QString::number(label->height())));
    }
    // The header's texts are the design's 8 apart.
    const auto *header = sheet->findChild<ModalHeader *>();
    QVERIFY(header);
    QList<const TextLabel *> texts;
    for (const TextLabel *label : header->findChildren<TextLabel *>())
        if (label->isVisible())
            texts << label;
    QVERIFY(texts.size() >= 2);
    const TextLabel *title = texts.at(texts.size() - 2);
    const TextLabel *subtitle = texts.last();
    QCOMPARE(subtitle->geometry().top() - title->geometry().bottom() - 1, 8);
    sheet->close();
}

void tst_Layout::settingsTabsScrollOnlyWhenTheyMust()
{
    TestApp app;
    app->showSettings();
    SettingsView *settings = app->settingsWindow();
    QVERIFY(settings);
    const QStringList tabs = SettingsView::tabTitles();
    auto *scroll = settings->findChild<QScrollArea *>();
    QVERIFY(scroll);
    for (const QString &tab : tabs) {
        settings->setTab(tab);
        QCoreApplication::processEvents();
        QWidget *page = scroll->widget();
        QVERIFY(page);
        const int content = page->layout()->totalHeightForWidth(scroll->viewport()->width());
        const bool needed = content > scroll->viewport()->height() + 1;
        QVERIFY2(
            scroll->verticalScrollBar()->isVisible() == needed,
            qPrintable(u"%1: %2 in %3"_s.arg(tab).arg(content).arg(scroll->viewport()->height())));
    }
}

void tst_Layout::figuresStayLeftToRight()
{
    // "18 %" looks the same in a mirrored window.
    const auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    const auto label = [](Qt::LayoutDirection direction) {
        QGuiApplication::setLayoutDirection(direction);
        TextLabel percent(u"18 %"_s, QApplication::font(), Palette::Role::ink);
        percent.setLayoutDirection(direction);
        percent.resize(percent.sizeHint());
        QImage image(percent.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        percent.render(&image);
        return image;
    };
    QCOMPARE(label(Qt::RightToLeft), label(Qt::LeftToRight));
}

void tst_Layout::treemapLabelsWholeOrNotAtAll_data()
{
    QTest::addColumn<QList<qreal>>("heights");
    QTest::addColumn<qreal>("available");
    QTest::addColumn<QList<qsizetype>>("kept");
    const QList<qreal> three{20, 15, 12}; // name, size, kind
    QTest::newRow("all fit") << three << 100.0 << QList<qsizetype>{0, 1, 2};
    QTest::newRow("the kind goes first") << three << 45.0 << QList<qsizetype>{0, 1};
    QTest::newRow("then the name") << three << 20.0 << QList<qsizetype>{1};
    QTest::newRow("the size alone, exactly") << three << 15.0 << QList<qsizetype>{1};
    QTest::newRow("nothing rather than a cut") << three << 14.0 << QList<qsizetype>{};
}

void tst_Layout::treemapLabelsWholeOrNotAtAll()
{
    QFETCH(QList<qreal>, heights);
    QFETCH(qreal, available);
    QFETCH(QList<qsizetype>, kept);
    QCOMPARE(TreemapBlock::fittingLines(heights, 1, 7, available), kept);
}

QTEST_MAIN(tst_Layout)
#include "tst_Layout.moc"
