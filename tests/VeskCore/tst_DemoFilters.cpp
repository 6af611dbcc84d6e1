#include "VeskCore/DemoFilters.h"
#include "VeskCore/DemoProvider.h"

#include <QTest>

#include <limits>

using namespace vesk;

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
    return {id, name, "Dev", "hammer", bytes, 0, days, false, false, false, {}};
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
    // The name sort follows the user's locale; pin one with accented letters.
    QLocale::setDefault(QLocale(QStringLiteral("ca_ES")));
}

void tst_DemoFilters::applications_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<AppFilter>("filter");
    QTest::addColumn<AppSort>("sort");
    QTest::addColumn<QStringList>("expected");

    const QStringList bySize{"taller", "llenc", "ona", "orbit", "system", "remnant"};
    QTest::newRow("all by size") << "" << AppFilter::all << AppSort::size << bySize;
    QTest::newRow("all by date") << "" << AppFilter::all << AppSort::date
                                 << QStringList{"ona",   "taller",  "llenc",
                                                "orbit", "remnant", "system"};
    // "Òrbita" sorts among the O's, after "Ona"; "Estudi" first.
    QTest::newRow("all by name") << "" << AppFilter::all << AppSort::name
                                 << QStringList{"remnant", "llenc",  "ona",
                                                "orbit",   "taller", "system"};
    QTest::newRow("search ignores case")
        << "ONA" << AppFilter::all << AppSort::size << QStringList{"ona"};
    QTest::newRow("search inside names")
        << "ta" << AppFilter::all << AppSort::size << QStringList{"taller", "orbit"};
    QTest::newRow("cedilla found")
        << "llenç" << AppFilter::all << AppSort::size << QStringList{"llenc"};
    QTest::newRow("accents significant")
        << "llenc" << AppFilter::all << AppSort::size << QStringList{};
    QTest::newRow("blanks kept") << "ona " << AppFilter::all << AppSort::size << QStringList{};
    QTest::newRow("developer not searched")
        << "Studio" << AppFilter::all << AppSort::size << QStringList{};
    QTest::newRow("unused") << "" << AppFilter::unused << AppSort::size
                            << QStringList{"llenc", "orbit"};
    QTest::newRow("remnants") << "" << AppFilter::remnants << AppSort::size
                              << QStringList{"remnant"};
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

    const QList<DemoApplication> sameSize{app("b", "B", 5, 1), app("a", "A", 5, 2),
                                          app("c", "C", 9, 3)};
    QTest::newRow("size tie by id") << sameSize << AppSort::size << QStringList{"c", "a", "b"};
    const QList<DemoApplication> sameDay{app("z", "Z", 1, 7), app("y", "Y", 2, 7),
                                         app("x", "X", 3, 1)};
    QTest::newRow("date tie by id") << sameDay << AppSort::date << QStringList{"x", "y", "z"};
    // Equal names under the collator keep their input order.
    const QList<DemoApplication> sameName{app("2", "Eina", 1, 1), app("1", "eina", 1, 1),
                                          app("3", "Abc", 1, 1)};
    QTest::newRow("name tie stable") << sameName << AppSort::name << QStringList{"3", "2", "1"};
    const QList<DemoApplication> numbered{app("a", "Eina 10", 1, 1), app("b", "Eina 9", 1, 1),
                                          app("c", "eina 2", 1, 1)};
    QTest::newRow("digits as numbers") << numbered << AppSort::name << QStringList{"c", "b", "a"};
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
    DemoApplication huge = app("huge", "Huge", max, 1);
    huge.dataBytes = max; // would overflow a plain sum
    DemoApplication big = app("big", "Big", max, 1);
    const DemoApplication small = app("small", "Small", 1, 1);
    QCOMPARE(huge.totalBytes(), max);
    // Both saturate to the same total, so the id decides.
    QCOMPARE(idsOf(DemoFilters::applications({small, huge, big}, QString(), AppFilter::all,
                                             AppSort::size)),
             (QStringList{"big", "huge", "small"}));
}

void tst_DemoFilters::files_data()
{
    QTest::addColumn<StorageMode>("mode");
    QTest::addColumn<qint64>("minimumGB");
    QTest::addColumn<qint64>("olderThanDays");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("large, 8 GB") << StorageMode::large << qint64(8) << qint64(0)
                                 << QStringList{"support",   "film",  "taller", "library",
                                                "archive",   "llenc", "ona",    "papers",
                                                "book",      "copy1", "copy2",  "design",
                                                "downloads", "orbit"};
    QTest::newRow("old, 180 days") << StorageMode::old << qint64(0) << qint64(180)
                                   << QStringList{"archive", "llenc",     "papers", "copy1",
                                                  "copy2",   "downloads", "orbit",  "system"};
    QTest::newRow("old, exactly 760 days")
        << StorageMode::old << qint64(0) << qint64(760) << QStringList{"papers"};
    QTest::newRow("duplicates") << StorageMode::duplicates << qint64(0) << qint64(0)
                                << QStringList{"copy1", "copy2"};
    QTest::newRow("large, 100 GB")
        << StorageMode::large << qint64(100) << qint64(0) << QStringList{};
    // The threshold counts as large.
    QTest::newRow("large, 90 GB") << StorageMode::large << qint64(90) << qint64(0)
                                  << QStringList{"support"};
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
    QCOMPARE(all.size(), 18); // never folders, never "Sense accés"
    QVERIFY(!idsOf(all).contains("unknown"));
    QVERIFY(!idsOf(all).contains("photoarchive"));
    QCOMPARE(DemoFilters::files(root, StorageMode::large, minimumGB, 0).size(), expectedCount);
}

void tst_DemoFilters::path_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("expected"); // empty: no path

    QTest::newRow("deep file") << "papers"
                               << QStringList{"disk", "documents", "personal", "papers"};
    QTest::newRow("root") << "disk" << QStringList{"disk"};
    QTest::newRow("application node") << "orbit" << QStringList{"disk", "apps", "orbit"};
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
