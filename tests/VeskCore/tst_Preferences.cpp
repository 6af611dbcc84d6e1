// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskCore/NavigationState.h"
#include "VeskCore/Preferences.h"
#include "VeskCore/SettingsFile.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace vesk;

namespace {

// Writes raw INI text to a path this process has never opened, so that what
// Preferences reads is what a restart would read, not Qt's in-process cache.
QString writeIni(const QTemporaryDir &dir, const QByteArray &text)
{
    static int serial = 0;
    const QString path = dir.filePath(QStringLiteral("vesk-%1.conf").arg(++serial));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(text);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_Preferences : public QObject
{
    Q_OBJECT

private slots:
    void readsStoredValues_data();
    void readsStoredValues();
    void freshStoreWritesNothing();
    void writesThroughOnEveryAssignment();
    void valuesSurviveARestart();
    void excludedCategoriesStayInMemory();
    void navigationState();

private:
    QTemporaryDir m_dir;
};

void tst_Preferences::readsStoredValues_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<Appearance>("appearance");
    QTest::addColumn<Section>("startSection");
    QTest::addColumn<bool>("preselect");
    QTest::addColumn<bool>("compact");

    const auto row = [](const char *name, const char *ini, Appearance a, Section s, bool p,
                        bool c) {
        QTest::newRow(name) << QByteArray(ini) << a << s << p << c;
    };
    row("empty file", "", Appearance::system, Section::home, true, false);
    row("all stored",
        "[General]\nappearance=Fosc\nstartSection=Historial\n"
        "preselectLowRisk=false\ncompactCards=true\n",
        Appearance::dark, Section::history, false, true);
    row("case names are not raw values", "[General]\nappearance=dark\nstartSection=history\n",
        Appearance::system, Section::home, true, false);
    row("letter case matters", "[General]\nappearance=fosc\nstartSection=HISTORIAL\n",
        Appearance::system, Section::home, true, false);
    row("accented raw value", "[General]\nappearance=Clar\nstartSection=Aplicacions\n",
        Appearance::light, Section::applications, true, false);
    row("no is not a Boolean", "[General]\npreselectLowRisk=no\ncompactCards=no\n",
        Appearance::system, Section::home, true, false);
    // Only preselectLowRisk is strict; compactCards is read the platform's
    // way, as other tools write Booleans.
    row("numbers", "[General]\npreselectLowRisk=0\ncompactCards=1\n", Appearance::system,
        Section::home, true, true);
    row("zero", "[General]\ncompactCards=0\n", Appearance::system, Section::home, true, false);
    row("yes", "[General]\ncompactCards=YES\n", Appearance::system, Section::home, true, true);
    row("other text", "[General]\ncompactCards=si\n", Appearance::system, Section::home, true,
        false);
    row("lists are not strings", "[General]\nappearance=Fosc, Clar\npreselectLowRisk=a, b\n",
        Appearance::system, Section::home, true, false);
    row("byte arrays are not strings", "[General]\nappearance=@ByteArray(Fosc)\n",
        Appearance::system, Section::home, true, false);
    // How lines, sections, quotes and junk are read is the settings file's
    // own test, against the platform's reader.
}

void tst_Preferences::readsStoredValues()
{
    QFETCH(QByteArray, ini);
    QFETCH(Appearance, appearance);
    QFETCH(Section, startSection);
    QFETCH(bool, preselect);
    QFETCH(bool, compact);

    SettingsFile store(writeIni(m_dir, ini));
    const Preferences preferences(store);
    QCOMPARE(preferences.appearance(), appearance);
    QCOMPARE(preferences.startSection(), startSection);
    QCOMPARE(preferences.preselectLowRisk(), preselect);
    QCOMPARE(preferences.compactCards(), compact);
    QVERIFY(preferences.excludedCategories().isEmpty());
}

void tst_Preferences::freshStoreWritesNothing()
{
    const QString path = m_dir.filePath(QStringLiteral("fresh.conf"));
    {
        SettingsFile store(path);
        const Preferences preferences(store);
        QCOMPARE(preferences.appearance(), Appearance::system);
    }
    QVERIFY(!QFile::exists(path));
}

void tst_Preferences::writesThroughOnEveryAssignment()
{
    const QString path = writeIni(m_dir, "");
    SettingsFile store(path);
    Preferences preferences(store);
    QSignalSpy compact(&preferences, &Preferences::compactCardsChanged);

    // An equal value notifies nobody but is still written.
    preferences.setCompactCards(false);
    QCOMPARE(compact.size(), 0);
    QVERIFY(readFile(path).contains("compactCards=false"));

    preferences.setCompactCards(true);
    QCOMPARE(compact.size(), 1);
    preferences.setAppearance(Appearance::dark);
    preferences.setStartSection(Section::privacy);
    preferences.setPreselectLowRisk(false);
    const QByteArray text = readFile(path);
    QVERIFY(text.contains("compactCards=true"));
    QVERIFY(text.contains("preselectLowRisk=false"));
    QVERIFY(preferences.lastWriteSucceeded());
}

void tst_Preferences::valuesSurviveARestart()
{
    const QString path = writeIni(m_dir, "");
    {
        SettingsFile store(path);
        Preferences preferences(store);
        preferences.setAppearance(Appearance::light);
        preferences.setStartSection(Section::storage);
        preferences.setPreselectLowRisk(false);
        preferences.setCompactCards(true);
    }
    // A restart: the file as it was written.
    SettingsFile restarted(writeIni(m_dir, readFile(path)));
    const Preferences preferences(restarted);
    QCOMPARE(preferences.appearance(), Appearance::light);
    QCOMPARE(preferences.startSection(), Section::storage);
    QCOMPARE(preferences.preselectLowRisk(), false);
    QCOMPARE(preferences.compactCards(), true);
}

void tst_Preferences::excludedCategoriesStayInMemory()
{
    const QString path = writeIni(m_dir, "[General]\nappearance=Fosc\n");
    const QByteArray before = readFile(path);
    SettingsFile store(path);
    Preferences preferences(store);
    QSignalSpy excluded(&preferences, &Preferences::excludedCategoriesChanged);

    preferences.setCategoryExcluded(QStringLiteral("Fitxers grans"), true);
    preferences.setCategoryExcluded(QStringLiteral("Fitxers grans"), true); // in place: notifies
    preferences.setExcludedCategories({QStringLiteral("Fitxers grans")});   // equal: silent
    QCOMPARE(excluded.size(), 2);
    preferences.setExcludedCategories({});
    QCOMPARE(excluded.size(), 3);
    QCOMPARE(readFile(path), before);
}

void tst_Preferences::navigationState()
{
    NavigationState navigation(Section::history);
    QCOMPARE(navigation.selection(), Section::history);
    QCOMPARE(navigation.storageMode(), StorageMode::mosaic);

    QSignalSpy selection(&navigation, &NavigationState::selectionChanged);
    QSignalSpy mode(&navigation, &NavigationState::storageModeChanged);
    QList<StorageMode> modeWhenSelected;
    connect(&navigation, &NavigationState::selectionChanged, this,
            [&] { modeWhenSelected << navigation.storageMode(); });

    navigation.setSelection(Section::history);
    QCOMPARE(selection.size(), 0);
    navigation.showLargeFiles();
    QCOMPARE(navigation.selection(), Section::storage);
    QCOMPARE(modeWhenSelected, QList<StorageMode>{StorageMode::large}); // mode set first
    navigation.showLargeFiles();
    QCOMPARE(selection.size(), 1);
    QCOMPARE(mode.size(), 1);
}

QTEST_GUILESS_MAIN(tst_Preferences)
#include "tst_Preferences.moc"
