// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskCore/Models.h"

#include <QTest>

using namespace vesk;
using namespace Qt::StringLiterals;

class tst_Models : public QObject
{
    Q_OBJECT

private slots:
    void rawValuesMatchExactly_data();
    void rawValuesMatchExactly();
    void otherRawValues();
    void descendantsArePreOrder();
    void folderIsDecidedByChildren();
};

void tst_Models::rawValuesMatchExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: no value

    QTest::newRow("exact") << "Espai" << int(Section::storage);
    QTest::newRow("lower case") << "inici" << -1;
    QTest::newRow("trailing blank") << "Espai " << -1;
    QTest::newRow("case name") << "storage" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("accented") << "Historial" << int(Section::history);
}

void tst_Models::rawValuesMatchExactly()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<Section> section = fromRawValue<Section>(text);
    QCOMPARE(section ? int(*section) : -1, expected);
}

void tst_Models::otherRawValues()
{
    QCOMPARE(allCases<Section>().size(), 7);
    for (Appearance a : allCases<Appearance>())
        QCOMPARE(fromRawValue<Appearance>(rawValue(a)), a);
    QCOMPARE(rawValue(Appearance::system), QStringLiteral("Sistema"));
    QCOMPARE(rawValue(Appearance::light), QStringLiteral("Clar"));
    QCOMPARE(rawValue(Appearance::dark), QStringLiteral("Fosc"));
    QCOMPARE(fromRawValue<Risk>(QStringLiteral("Protegit")), Risk::protected_);
    QCOMPARE(fromRawValue<Risk>(QStringLiteral("protegit")), std::nullopt);
    QCOMPARE(fromRawValue<AppSort>(QStringLiteral("Data d’instal·lació")), AppSort::date);
    // The straight apostrophe is a different text.
    QCOMPARE(fromRawValue<AppSort>(QStringLiteral("Data d'instal·lació")), std::nullopt);
}

void tst_Models::descendantsArePreOrder()
{
    const StorageNode leafA{u"a"_s, u"A"_s, 1, u"Arxiu"_s, 0, {}, {}};
    const StorageNode leafB{u"b"_s, u"B"_s, 2, u"Arxiu"_s, 0, {}, {}};
    const StorageNode inner{u"inner"_s, u"Inner"_s, 3, u"Carpeta"_s, 0, {leafA, leafB}, {}};
    const StorageNode leafC{u"c"_s, u"C"_s, 4, u"Arxiu"_s, 0, {}, {}};
    const StorageNode root{u"root"_s, u"Root"_s, 7, u"Carpeta"_s, 0, {inner, leafC}, {}};

    QStringList ids;
    for (const StorageNode &node : root.descendants())
        ids << node.id;
    QCOMPARE(ids, (QStringList{u"inner"_s, u"a"_s, u"b"_s, u"c"_s}));
    QVERIFY(leafA.descendants().isEmpty());
}

void tst_Models::folderIsDecidedByChildren()
{
    const StorageNode emptyFolder{u"f"_s, u"F"_s, 0, u"Carpeta"_s, 0, {}, {}};
    QVERIFY(!emptyFolder.isFolder());
    const StorageNode withChild{u"g"_s, u"G"_s, 0, u"Vídeo"_s, 0, {emptyFolder}, {}};
    QVERIFY(withChild.isFolder());

    Candidate c{u"x"_s, u"X"_s, u"Demo/X"_s, 1, 1, u"Cat"_s, u"Why"_s, Risk::review};
    QVERIFY(c.selectable());
    c.risk = Risk::protected_;
    QVERIFY(!c.selectable());
}

QTEST_GUILESS_MAIN(tst_Models)
#include "tst_Models.moc"
