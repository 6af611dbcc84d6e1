// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskCore/DemoFilters.h"
#include "VeskCore/DemoProvider.h"

#include <QTest>

#include <limits>

using namespace vesk;
using namespace Qt::StringLiterals;

namespace {

template <typename T> QStringList idsOf(const QList<T> &items)
{
    QStringList ids;
    for (const T &item : items)
        ids << item.id;
    return ids;
}

DemoApplication app(const QString &id, const QString &name, qint64 bytes, qint64 days)
{
    return {id, name, u"Dev"_s, u"hammer"_s, bytes, 0, days, false, false, false, {}};
}

} // namespace

class tst_DemoFilters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void applications_data();
    void applications();
    void ties_data();
    void ties();
    void sizeSortSaturates();
    void files_data();
    void files();
    void largeThresholdBeyondRange_data();
    void largeThresholdBeyondRange();
    void path_data();
    void path();
};

void tst_DemoFilters::initTestCase()
{
    // Names collate in Catalan whatever the session says: run under the C
    // locale, where a plain comparison would put "Òrbita" after "Visor".
    QLocale::setDefault(QLocale::c());
}

void tst_DemoFilters::applications_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<AppFilter>("filter");
    QTest::addColumn<AppSort>("sort");
    QTest::addColumn<QStringList>("expected");

    const QStringList bySize{u"taller"_s, u"llenc"_s,  u"ona"_s,
                             u"orbit"_s,  u"system"_s, u"remnant"_s};
    QTest::newRow("all by size") << u""_s << AppFilter::all << AppSort::size << bySize;
    QTest::newRow("all by date") << u""_s << AppFilter::all << AppSort::date
                                 << QStringList{u"ona"_s,   u"taller"_s,  u"llenc"_s,
                                                u"orbit"_s, u"remnant"_s, u"system"_s};
    // u"Òrbita"_s sorts among the O's, after u"Ona"_s; u"Estudi"_s first.
    QTest::newRow("all by name") << u""_s << AppFilter::all << AppSort::name
                                 << QStringList{u"remnant"_s, u"llenc"_s,  u"ona"_s,
                                                u"orbit"_s,   u"taller"_s, u"system"_s};
    QTest::newRow("search ignores case")
        << u"ONA"_s << AppFilter::all << AppSort::size << QStringList{u"ona"_s};
    QTest::newRow("search inside names")
        << u"ta"_s << AppFilter::all << AppSort::size << QStringList{u"taller"_s, u"orbit"_s};
    QTest::newRow("cedilla found")
        << u"llenç"_s << AppFilter::all << AppSort::size << QStringList{u"llenc"_s};
    // As pasted from a decomposed file name: "c" and a combining cedilla.
    QTest::newRow("decomposed cedilla found")
        << u"llenc\u0327"_s << AppFilter::all << AppSort::size << QStringList{u"llenc"_s};
    QTest::newRow("accents significant")
        << "llenc" << AppFilter::all << AppSort::size << QStringList{};
    QTest::newRow("blanks kept") << "ona " << AppFilter::all << AppSort::size << QStringList{};
    QTest::newRow("developer not searched")
        << "Studio" << AppFilter::all << AppSort::size << QStringList{};
    QTest::newRow("unused") << "" << AppFilter::unused << AppSort::size
                            << QStringList{u"llenc"_s, u"orbit"_s};
    QTest::newRow("remnants") << "" << AppFilter::remnants << AppSort::size
                              << QStringList{u"remnant"_s};
    QTest::newRow("remnants, other search")
        << "Taller" << AppFilter::remnants << AppSort::name << QStringList{};
}

void tst_DemoFilters::applications()
{
    QFETCH(QString, search);
    QFETCH(AppFilter, filter);
    QFETCH(AppSort, sort);
    QFETCH(QStringList, expected);
    const auto result =
        DemoFilters::applications(DemoProvider().applications(), search, filter, sort);
    QCOMPARE(idsOf(result), expected);
}

void tst_DemoFilters::ties_data()
{
    QTest::addColumn<QList<DemoApplication>>("apps");
    QTest::addColumn<AppSort>("sort");
    QTest::addColumn<QStringList>("expected");

    const QList<DemoApplication> sameSize{app(u"b"_s, u"B"_s, 5, 1), app(u"a"_s, u"A"_s, 5, 2),
                                          app(u"c"_s, u"C"_s, 9, 3)};
    QTest::newRow("size tie by id")
        << sameSize << AppSort::size << QStringList{u"c"_s, u"a"_s, u"b"_s};
    const QList<DemoApplication> sameDay{app(u"z"_s, u"Z"_s, 1, 7), app(u"y"_s, u"Y"_s, 2, 7),
                                         app(u"x"_s, u"X"_s, 3, 1)};
    QTest::newRow("date tie by id")
        << sameDay << AppSort::date << QStringList{u"x"_s, u"y"_s, u"z"_s};
    // Equal names under the collator keep their input order.
    const QList<DemoApplication> sameName{
        app(u"2"_s, u"Eina"_s, 1, 1), app(u"1"_s, u"eina"_s, 1, 1), app(u"3"_s, u"Abc"_s, 1, 1)};
    QTest::newRow("name tie stable")
        << sameName << AppSort::name << QStringList{u"3"_s, u"2"_s, u"1"_s};
    const QList<DemoApplication> numbered{app(u"a"_s, u"Eina 10"_s, 1, 1),
                                          app(u"b"_s, u"Eina 9"_s, 1, 1),
                                          app(u"c"_s, u"eina 2"_s, 1, 1)};
    QTest::newRow("digits as numbers")
        << numbered << AppSort::name << QStringList{u"c"_s, u"b"_s, u"a"_s};
}

void tst_DemoFilters::ties()
{
    QFETCH(QList<DemoApplication>, apps);
    QFETCH(AppSort, sort);
    QFETCH(QStringList, expected);
    QCOMPARE(idsOf(DemoFilters::applications(apps, QString(), AppFilter::all, sort)), expected);
}

void tst_DemoFilters::sizeSortSaturates()
{
    const qint64 max = std::numeric_limits<qint64>::max();
    DemoApplication huge = app(u"huge"_s, u"Huge"_s, max, 1);
    huge.dataBytes = max; // would overflow a plain sum
    DemoApplication big = app(u"big"_s, u"Big"_s, max, 1);
    const DemoApplication small = app(u"small"_s, u"Small"_s, 1, 1);
    QCOMPARE(huge.totalBytes(), max);
    // Both saturate to the same total, so the id decides.
    QCOMPARE(idsOf(DemoFilters::applications({small, huge, big}, QString(), AppFilter::all,
                                             AppSort::size)),
             (QStringList{u"big"_s, u"huge"_s, u"small"_s}));
}

void tst_DemoFilters::files_data()
{
    QTest::addColumn<StorageMode>("mode");
    QTest::addColumn<qint64>("minimumGB");
    QTest::addColumn<qint64>("olderThanDays");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("large, 8 GB") << StorageMode::large << qint64(8) << qint64(0)
                                 << QStringList{u"support"_s,   u"film"_s,    u"taller"_s,
                                                u"library"_s,   u"archive"_s, u"llenc"_s,
                                                u"ona"_s,       u"papers"_s,  u"book"_s,
                                                u"copy1"_s,     u"copy2"_s,   u"design"_s,
                                                u"downloads"_s, u"orbit"_s};
    QTest::newRow("old, 180 days")
        << StorageMode::old << qint64(0) << qint64(180)
        << QStringList{u"archive"_s, u"llenc"_s,     u"papers"_s, u"copy1"_s,
                       u"copy2"_s,   u"downloads"_s, u"orbit"_s,  u"system"_s};
    QTest::newRow("old, exactly 760 days")
        << StorageMode::old << qint64(0) << qint64(760) << QStringList{u"papers"_s};
    QTest::newRow("duplicates") << StorageMode::duplicates << qint64(0) << qint64(0)
                                << QStringList{u"copy1"_s, u"copy2"_s};
    QTest::newRow("large, 100 GB")
        << StorageMode::large << qint64(100) << qint64(0) << QStringList{};
    // The threshold counts as large.
    QTest::newRow("large, 90 GB") << StorageMode::large << qint64(90) << qint64(0)
                                  << QStringList{u"support"_s};
}

void tst_DemoFilters::files()
{
    QFETCH(StorageMode, mode);
    QFETCH(qint64, minimumGB);
    QFETCH(qint64, olderThanDays);
    QFETCH(QStringList, expected);
    const StorageNode root = DemoProvider().storage();
    QCOMPARE(idsOf(DemoFilters::files(root, mode, minimumGB, olderThanDays)), expected);
}

void tst_DemoFilters::largeThresholdBeyondRange_data()
{
    QTest::addColumn<qint64>("minimumGB");
    QTest::addColumn<int>("expectedCount");

    const qint64 max = std::numeric_limits<qint64>::max();
    const qint64 min = std::numeric_limits<qint64>::min();
    QTest::newRow("zero admits every file") << qint64(0) << 18;
    QTest::newRow("largest representable") << max / DemoProvider::gb << 0;
    QTest::newRow("overflowing") << max / DemoProvider::gb + 1 << 0;
    QTest::newRow("maximum") << max << 0;
    QTest::newRow("negative overflow admits all") << min << 18;
}

void tst_DemoFilters::largeThresholdBeyondRange()
{
    QFETCH(qint64, minimumGB);
    QFETCH(int, expectedCount);
    const StorageNode root = DemoProvider().storage();
    const auto all = DemoFilters::files(root, StorageMode::mosaic, 0, 0);
    QCOMPARE(all.size(), 18); // never folders, never u"Sense accés"_s
    QVERIFY(!idsOf(all).contains(u"unknown"_s));
    QVERIFY(!idsOf(all).contains(u"photoarchive"_s));
    QCOMPARE(DemoFilters::files(root, StorageMode::large, minimumGB, 0).size(), expectedCount);
}

void tst_DemoFilters::path_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("expected"); // empty: no path

    QTest::newRow("deep file") << "papers"
                               << QStringList{u"disk"_s, u"documents"_s, u"personal"_s,
                                              u"papers"_s};
    QTest::newRow("root") << u"disk"_s << QStringList{u"disk"_s};
    QTest::newRow("application node")
        << u"orbit"_s << QStringList{u"disk"_s, u"apps"_s, u"orbit"_s};
    QTest::newRow("missing") << "nowhere" << QStringList{};
    QTest::newRow("ids are exact") << "Papers" << QStringList{};
}

void tst_DemoFilters::path()
{
    QFETCH(QString, id);
    QFETCH(QStringList, expected);
    const auto found = DemoFilters::path(id, DemoProvider().storage());
    QCOMPARE(found.has_value(), !expected.isEmpty());
    if (found)
        QCOMPARE(idsOf(*found), expected);
}

QTEST_GUILESS_MAIN(tst_DemoFilters)
#include "tst_DemoFilters.moc"
