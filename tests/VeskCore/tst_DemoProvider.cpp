// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskCore/DemoProvider.h"

#include <QTest>
#include <QTimeZone>

using namespace vesk;
using namespace Qt::StringLiterals;

namespace {

QStringList idsOf(const QList<StorageNode> &nodes)
{
    QStringList ids;
    for (const StorageNode &node : nodes)
        ids << node.id;
    return ids;
}

// Every folder's size equals the sum of its children's, all the way down.
void checkFolderSums(const StorageNode &node)
{
    if (!node.isFolder())
        return;
    qint64 sum = 0;
    for (const StorageNode &child : node.children) {
        sum += child.bytes;
        checkFolderSums(child);
    }
    QVERIFY2(sum == node.bytes, qPrintable(node.id));
}

} // namespace

class tst_DemoProvider : public QObject
{
    Q_OBJECT

private slots:
    void storageTreeShape();
    void storageTreeSizesAddUp();
    void componentsSplitTheData_data();
    void componentsSplitTheData();
    void diskCategoriesCoverTheDisk();
};

void tst_DemoProvider::storageTreeShape()
{
    const StorageNode root = DemoProvider().storage();
    const QList<StorageNode> all = root.descendants();
    QCOMPARE(all.size(), 26);
    QCOMPARE(idsOf(all).mid(0, 6), (QStringList{u"photos"_s, u"film"_s, u"library"_s,
                                                u"photoarchive"_s, u"copy1"_s, u"copy2"_s}));
    QCOMPARE(idsOf(root.children),
             (QStringList{u"photos"_s, u"apps"_s, u"documents"_s, u"other"_s, u"unknown"_s}));
    QVERIFY(!idsOf(all).contains(u"disk"_s));
    QVERIFY(!idsOf(all).contains(u"remnant"_s));

    const QStringList ids = idsOf(all);
    QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), all.size());
}

void tst_DemoProvider::storageTreeSizesAddUp()
{
    const DemoProvider provider;
    const StorageNode root = provider.storage();
    checkFolderSums(root);
    QCOMPARE(root.bytes, 384 * DemoProvider::gb);

    // The tree's nodes of the candidates' ids carry the candidates' sizes.
    const QList<StorageNode> all = root.descendants();
    for (const Candidate &candidate : provider.candidates()) {
        const auto node = std::find_if(all.cbegin(), all.cend(),
                                       [&](const StorageNode &n) { return n.id == candidate.id; });
        QVERIFY2(node != all.cend(), qPrintable(candidate.id));
        QCOMPARE(node->bytes, candidate.bytes);
    }
}

void tst_DemoProvider::componentsSplitTheData_data()
{
    QTest::addColumn<QString>("appId");
    for (const DemoApplication &app : DemoProvider().applications())
        QTest::newRow(qPrintable(app.id)) << app.id;
}

void tst_DemoProvider::componentsSplitTheData()
{
    QFETCH(QString, appId);
    const auto apps = DemoProvider().applications();
    const DemoApplication app =
        *std::find_if(apps.cbegin(), apps.cend(), [&](const auto &a) { return a.id == appId; });

    QCOMPARE(app.components.size(), 6);
    const Candidate &bundle = app.components.first();
    QCOMPARE(bundle.id, app.id + u".bundle"_s);
    QCOMPARE(bundle.path, u"Demo/Aplicacions/"_s + app.name);
    QCOMPARE(bundle.bytes, app.bytes);
    QCOMPARE(bundle.risk, app.protected_ ? Risk::protected_ : Risk::review);

    qint64 dataSum = 0;
    for (qsizetype i = 1; i < app.components.size(); ++i)
        dataSum += app.components.at(i).bytes;
    QCOMPARE(dataSum, app.dataBytes);
    QCOMPARE(app.components.at(4).risk, Risk::protected_);
    QCOMPARE(app.components.at(5).risk, Risk::protected_);
}

void tst_DemoProvider::diskCategoriesCoverTheDisk()
{
    double used = 0;
    const QList<DiskCategory> categories = DemoProvider().diskCategories();
    for (const DiskCategory &category : categories) {
        if (category.id != QStringLiteral("free"))
            used += category.gigabytes;
    }
    QCOMPARE(used, 384.0);
    QCOMPARE(categories.last().gigabytes, 128.0);
}

QTEST_GUILESS_MAIN(tst_DemoProvider)
#include "tst_DemoProvider.moc"
