// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TestApp.h"
#include "WidgetFinder.h"

#include "VeskCore/DemoProvider.h"
#include "VeskCore/NavigationState.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"
#include "storage/StorageDetail.h"
#include "storage/StorageRow.h"
#include "storage/StorageView.h"
#include "storage/Treemap.h"
#include "storage/TreemapBlock.h"
#include "storage/TreemapLayout.h"

#include <QAbstractItemView>
#include <QComboBox>

using namespace vesk;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<QRectF>)

namespace {

// The layout as the words of the rules say it, one split at a time; the fast
// version must give the very same rectangles.
void referenceLayout(const QList<qint64> &sizes, qsizetype first, qsizetype last, QRectF r,
                     QList<TreemapLayout::Tile> &out)
{
    const qsizetype n = last - first;
    if (n <= 0)
        return;
    if (n == 1) {
        out.append({first, r});
        return;
    }
    double total = 0;
    for (qsizetype i = first; i < last; ++i)
        total += double(sizes.at(i));
    if (!(total > 0))
        return;
    qsizetype best = 1;
    double bestDistance = 0, running = 0;
    for (qsizetype k = 1; k < n; ++k) {
        running += double(sizes.at(first + k - 1));
        const double d = std::fabs(running - total * 0.5);
        if (k == 1 || d < bestDistance) {
            best = k;
            bestDistance = d;
        }
    }
    double s = 0;
    for (qsizetype i = first; i < first + best; ++i)
        s += double(sizes.at(i));
    const double f = s / total;
    QRectF a, b;
    if (r.height() * 1.4 < r.width()) {
        a = QRectF(r.x(), r.y(), f * r.width(), r.height());
        b = QRectF(r.x() + f * r.width(), r.y(), r.width() - f * r.width(), r.height());
    } else {
        a = QRectF(r.x(), r.y(), r.width(), f * r.height());
        b = QRectF(r.x(), r.y() + f * r.height(), r.width(), r.height() - f * r.height());
    }
    referenceLayout(sizes, first, first + best, a, out);
    referenceLayout(sizes, first + best, last, b, out);
}

QList<QRectF> rects(const QList<TreemapLayout::Tile> &tiles)
{
    QList<QRectF> result;
    for (const auto &tile : tiles)
        result << tile.rect;
    return result;
}

StorageView *openStorage(TestApp &app)
{
    app->mainWindow()->show();
    app->navigation().setSelection(Section::storage);
    QCoreApplication::processEvents();
    return qobject_cast<StorageView *>(app->mainWindow()->rootView()->screen());
}

TreemapBlock *block(StorageView *view, const QString &id)
{
    for (TreemapBlock *b : view->treemap()->blocks()) {
        if (b->node().id == id)
            return b;
    }
    return nullptr;
}

QStringList rowTitles(QWidget *view)
{
    QStringList titles;
    for (StorageRow *row : view->findChildren<StorageRow *>()) {
        if (row->isVisible())
            titles << row->text();
    }
    return titles;
}

} // namespace

class tst_Storage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestApp::prepareApplication(); }
    void layoutRules_data();
    void layoutRules();
    void layoutMatchesTheStepByStepRules();
    void labelThresholds();
    void drillingAndCrumbs();
    void fileBlockOpensTheSheet();
    void modesKeepThePathAndFiltersChangeTheLists();
    void comparisonSheet();
    void keyboardOpensBlocks();
};

void tst_Storage::layoutRules_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<QList<QRectF>>("expected");

    const qint64 gb = DemoProvider::gb;
    QTest::newRow("demo root, 800 × 300")
        << QList<qint64>{116 * gb, 84 * gb, 62 * gb, 96 * gb, 26 * gb} << QRectF(0, 0, 800, 300)
        << QList<QRectF>{
               QRectF(0, 0, 800.0 * 200 / 384, 174), QRectF(0, 174, 800.0 * 200 / 384, 126),
               QRectF(800.0 * 200 / 384, 0, 800 - 800.0 * 200 / 384, 300.0 * 62 / 184),
               QRectF(800.0 * 200 / 384, 300.0 * 62 / 184, (800 - 800.0 * 200 / 384) * 96 / 122,
                      300 - 300.0 * 62 / 184),
               QRectF(800.0 * 200 / 384 + (800 - 800.0 * 200 / 384) * 96 / 122, 300.0 * 62 / 184,
                      (800 - 800.0 * 200 / 384) - (800 - 800.0 * 200 / 384) * 96 / 122,
                      300 - 300.0 * 62 / 184)};
    QTest::newRow("no nodes") << QList<qint64>{} << QRectF(0, 0, 100, 100) << QList<QRectF>{};
    QTest::newRow("one node of size 0")
        << QList<qint64>{0} << QRectF(5, 5, 100, 50) << QList<QRectF>{QRectF(5, 5, 100, 50)};
    QTest::newRow("all zero") << QList<qint64>{0, 0, 0} << QRectF(0, 0, 100, 100)
                              << QList<QRectF>{};
    QTest::newRow("420 × 300 cut across")
        << QList<qint64>{1, 1} << QRectF(0, 0, 420, 300)
        << QList<QRectF>{QRectF(0, 0, 420, 150), QRectF(0, 150, 420, 150)};
    QTest::newRow("421 × 300 cut down")
        << QList<qint64>{1, 1} << QRectF(0, 0, 421, 300)
        << QList<QRectF>{QRectF(0, 0, 210.5, 300), QRectF(210.5, 0, 210.5, 300)};
    // The halves are 100 × 50, wide enough to be cut down the middle.
    QTest::newRow("1, 1, 2 split after the second")
        << QList<qint64>{1, 1, 2} << QRectF(0, 0, 100, 100)
        << QList<QRectF>{QRectF(0, 0, 50, 50), QRectF(50, 0, 50, 50), QRectF(0, 50, 100, 50)};
    QTest::newRow("2, 1, 1 first takes half")
        << QList<qint64>{2, 1, 1} << QRectF(0, 0, 100, 100)
        << QList<QRectF>{QRectF(0, 0, 100, 50), QRectF(0, 50, 50, 50), QRectF(50, 50, 50, 50)};
    QTest::newRow("tie keeps the smaller split")
        << QList<qint64>{1, 2, 1} << QRectF(0, 0, 100, 100)
        << QList<QRectF>{QRectF(0, 0, 100, 25), QRectF(0, 25, 100, 50), QRectF(0, 75, 100, 25)};
    QTest::newRow("zero beside others")
        << QList<qint64>{1, 0, 1} << QRectF(0, 0, 100, 100)
        << QList<QRectF>{QRectF(0, 0, 100, 50), QRectF(0, 50, 0, 50), QRectF(0, 50, 100, 50)};
}

void tst_Storage::layoutRules()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(QRectF, area);
    QFETCH(QList<QRectF>, expected);
    const auto tiles = TreemapLayout::tiles(sizes, area);
    const QList<QRectF> got = rects(tiles);
    QCOMPARE(got.size(), expected.size());
    for (qsizetype i = 0; i < got.size(); ++i) {
        QCOMPARE(tiles.at(i).index, i);
        QVERIFY2(qAbs(got.at(i).x() - expected.at(i).x()) < 1e-9 &&
                     qAbs(got.at(i).y() - expected.at(i).y()) < 1e-9 &&
                     qAbs(got.at(i).width() - expected.at(i).width()) < 1e-9 &&
                     qAbs(got.at(i).height() - expected.at(i).height()) < 1e-9,
                 qPrintable(QStringLiteral("tile %1").arg(i)));
    }
}

void tst_Storage::layoutMatchesTheStepByStepRules()
{
    // Random lists with plateaus of zeros and repeated sizes, where the fast
    // split search is most likely to go wrong.
    std::srand(7);
    for (int round = 0; round < 300; ++round) {
        QList<qint64> sizes;
        const int n = 1 + std::rand() % 40;
        for (int i = 0; i < n; ++i)
            sizes << (std::rand() % 4 == 0 ? 0 : qint64(std::rand() % 5) * 1'000'000'000);
        const QRectF area(0, 0, 200 + std::rand() % 900, 100 + std::rand() % 400);
        QList<TreemapLayout::Tile> expected;
        referenceLayout(sizes, 0, sizes.size(), area, expected);
        const auto got = TreemapLayout::tiles(sizes, area);
        QCOMPARE(got.size(), expected.size());
        for (qsizetype i = 0; i < got.size(); ++i) {
            QCOMPARE(got.at(i).index, expected.at(i).index);
            QCOMPARE(got.at(i).rect, expected.at(i).rect);
        }
    }
}

void tst_Storage::labelThresholds()
{
    const auto narrow = TreemapBlock::labelFor(QSizeF(61, 80));
    QVERIFY(narrow.name && !narrow.symbol && !narrow.kind);
    QVERIFY(!TreemapBlock::labelFor(QSizeF(59, 80)).name);
    const auto large = TreemapBlock::labelFor(QSizeF(200, 140));
    QVERIFY(large.symbol && large.name && large.largeName && large.kind);
    QCOMPARE(large.padding, 18);
    QCOMPARE(TreemapBlock::labelFor(QSizeF(140, 140)).padding, 10);
}

void tst_Storage::drillingAndCrumbs()
{
    TestApp app;
    StorageView *view = openStorage(app);
    QVERIFY(view);
    QVERIFY(!findVisible<QAbstractButton>(view, QStringLiteral("Enrere")));
    // The list under the treemap is by size, the treemap in tree order.
    QCOMPARE(rowTitles(view), (QStringList{u"Fotos i vídeos"_s, u"Altres dades"_s, u"Aplicacions"_s,
                                           u"Documents"_s, u"No classificat"_s}));
    QCOMPARE(view->treemap()->blocks().first()->node().id, QStringLiteral("photos"));

    QTest::mouseClick(block(view, QStringLiteral("documents")), Qt::LeftButton);
    QCOMPARE(view->path().size(), 1);
    QVERIFY(findVisible<QAbstractButton>(view, QStringLiteral("Enrere")));
    QVERIFY(hasVisibleLabel(view, QStringLiteral("Documents")));
    QStringList ids;
    for (TreemapBlock *b : view->treemap()->blocks())
        ids << b->node().id;
    QCOMPARE(ids, (QStringList{u"archive"_s, u"work"_s, u"personal"_s, u"downloads"_s}));

    QTest::mouseClick(block(view, QStringLiteral("work")), Qt::LeftButton);
    QCOMPARE(view->current().id, QStringLiteral("work"));
    QVERIFY(clickButton(view, QStringLiteral("Documents"))); // the crumb
    QCOMPARE(view->path().size(), 1);
    QVERIFY(clickButton(view, QStringLiteral("Enrere")));
    QCOMPARE(view->path().size(), 0);
}

void tst_Storage::fileBlockOpensTheSheet()
{
    TestApp app;
    StorageView *view = openStorage(app);
    QTest::mouseClick(block(view, QStringLiteral("unknown")), Qt::LeftButton);
    auto *sheet = qobject_cast<StorageDetail *>(view->openSheet());
    QVERIFY(sheet);
    QVERIFY(view->path().isEmpty());
    QVERIFY(hasVisibleLabelContaining(sheet, QStringLiteral("no està classificada")));
    QVERIFY(hasVisibleLabel(sheet, QStringLiteral("Última modificació de mostra: fa 0 dies")));
    QTest::keyClick(sheet, Qt::Key_Escape);
    QTRY_VERIFY(!view->openSheet());

    const StorageNode root = DemoProvider().storage();
    QCOMPARE(StorageView::pathText(root, QStringLiteral("papers"), QString()),
             QStringLiteral("Disc de demostració / Documents / Documents personals / Arxiu "
                            "documental.zip"));
    QCOMPARE(StorageView::foldersText(root, QStringLiteral("papers")),
             QStringLiteral("Disc de demostració / Documents / Documents personals"));
    QCOMPARE(StorageView::pathText(root, QStringLiteral("nowhere"), QStringLiteral("X")),
             QStringLiteral("X"));
}

void tst_Storage::modesKeepThePathAndFiltersChangeTheLists()
{
    TestApp app;
    StorageView *view = openStorage(app);
    QTest::mouseClick(block(view, QStringLiteral("photos")), Qt::LeftButton);

    app->navigation().setStorageMode(StorageMode::large);
    QCoreApplication::processEvents();
    QCOMPARE(rowTitles(view).size(), 14); // the whole disk, not the drilled folder
    QComboBox *size = view->findChild<QComboBox *>();
    QVERIFY(size);
    QCOMPARE(size->accessibleName(), QStringLiteral("Mida mínima"));
    size->setFocus();
    QTest::keyClick(size, Qt::Key_Down);         // opens the list
    QTest::keyClick(size->view(), Qt::Key_Down); // "A partir de 20 GB"
    QTest::keyClick(size->view(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(rowTitles(view).size(), 6);

    app->navigation().setStorageMode(StorageMode::old);
    QCoreApplication::processEvents();
    QComboBox *age = nullptr;
    for (QComboBox *combo : view->findChildren<QComboBox *>())
        if (combo->isVisible())
            age = combo;
    age->setFocus();
    QTest::keyClick(age, Qt::Key_End);
    QTest::keyClick(age->view(), Qt::Key_End); // "2 anys"
    QTest::keyClick(age->view(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(rowTitles(view), QStringList{u"Arxiu documental.zip"_s});
    StorageRow *papers = nullptr;
    for (StorageRow *row : view->findChildren<StorageRow *>())
        if (row->isVisible())
            papers = row;
    QCOMPARE(papers->content().subtitle,
             QStringLiteral("Disc de demostració / Documents / Documents personals"));
    QCOMPARE(papers->content().trailingNote, QStringLiteral("Fa 760 dies · Arxiu"));

    app->navigation().setStorageMode(StorageMode::mosaic);
    QCoreApplication::processEvents();
    QCOMPARE(view->current().id, QStringLiteral("photos"));
    QVERIFY(hasVisibleLabelContaining(view, QStringLiteral("26 GB no classificats")));
}

void tst_Storage::comparisonSheet()
{
    TestApp app;
    app->navigation().setStorageMode(StorageMode::duplicates);
    StorageView *view = openStorage(app);
    QCOMPARE(rowTitles(view), (QStringList{u"Records originals.zip"_s, u"Records còpia.zip"_s}));
    QVERIFY(clickButton(view, QStringLiteral("Compara les còpies")));
    QVERIFY(view->openSheet());
    QVERIFY(
        hasVisibleLabelContaining(view->openSheet(), QStringLiteral("/ Records originals.zip")));
    QVERIFY(hasVisibleLabelContaining(view->openSheet(), QStringLiteral("/ Records còpia.zip")));
    QVERIFY(clickButton(view->openSheet(), QStringLiteral("Tanca")));
    QTRY_VERIFY(!view->openSheet());
}

void tst_Storage::keyboardOpensBlocks()
{
    TestApp app;
    StorageView *view = openStorage(app);
    TreemapBlock *documents = block(view, QStringLiteral("documents"));
    documents->setFocus();
    QTest::keyClick(documents, Qt::Key_Return);
    QCOMPARE(view->current().id, QStringLiteral("documents"));
    TreemapBlock *archive = block(view, QStringLiteral("archive"));
    QCOMPARE(archive->accessibleName(), QStringLiteral("Projecte arxivat.zip, 24 GB, Arxiu"));
    archive->setFocus();
    QTest::keyClick(archive, Qt::Key_Space);
    QVERIFY(view->openSheet());
}

QTEST_MAIN(tst_Storage)
#include "tst_Storage.moc"
