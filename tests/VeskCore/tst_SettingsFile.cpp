// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskCore/Preferences.h"
#include "VeskCore/QSettingsStore.h"
#include "VeskCore/SettingsFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace vesk;
using namespace Qt::StringLiterals;

namespace {

int warnings = 0;
QtMessageHandler forwarded = nullptr;
void countWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(u"vesk: the settings file"_s)) {
        ++warnings;
        return;
    }
    forwarded(type, context, message);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every entry below `root`: its kind, the end of its link, and its bytes.
QMap<QString, QString> snapshot(const QString &root)
{
    QMap<QString, QString> entries;
    QDir dir(root);
    for (const QFileInfo &info :
         dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden)) {
        struct stat status
        {};
        ::lstat(QFile::encodeName(info.filePath()).constData(), &status);
        QString entry = QString::number(status.st_mode, 8);
        if (info.isSymLink())
            entry += u" -> "_s + info.symLinkTarget();
        else if (S_ISREG(status.st_mode))
            entry += u" "_s + QString::fromLatin1(readAll(info.filePath()).toHex());
        entries.insert(info.fileName(), entry);
        if (info.isDir() && !info.isSymLink())
            for (auto [name, value] : snapshot(info.filePath()).asKeyValueRange())
                entries.insert(info.fileName() + u'/' + name, value);
    }
    return entries;
}

} // namespace

class tst_SettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { forwarded = qInstallMessageHandler(countWarnings); }
    void cleanupTestCase() { qInstallMessageHandler(forwarded); }
    void whateverIsInItsPlace_data();
    void whateverIsInItsPlace();
    void foreignLinesSurviveByteForByte();
    void readsWhatThePlatformWrote();
    void writesKeepPermissions();
};

void tst_SettingsFile::whateverIsInItsPlace_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<bool>("readsStored"); // "appearance=Fosc" is read
    QTest::addColumn<bool>("writes");      // a change reaches the file
    QTest::newRow("nothing yet") << u"missing"_s << false << true;
    QTest::newRow("a regular file") << u"regular"_s << true << true;
    QTest::newRow("a link to a regular file") << u"link to regular"_s << true << true;
    QTest::newRow("a link to a link to a file") << u"link to link"_s << true << true;
    QTest::newRow("a FIFO") << u"fifo"_s << false << false;
    QTest::newRow("a link to a FIFO") << u"link to fifo"_s << false << false;
    QTest::newRow("a socket") << u"socket"_s << false << false;
    QTest::newRow("a link to a device") << u"link to device"_s << false << false;
    QTest::newRow("a device node") << u"device"_s << false << false;
    QTest::newRow("a directory") << u"directory"_s << false << false;
    QTest::newRow("a link to a directory") << u"link to directory"_s << false << false;
    QTest::newRow("a link to nothing") << u"dangling link"_s << false << false;
    QTest::newRow("a huge file") << u"huge"_s << false << false;
    QTest::newRow("a link to a huge file") << u"link to huge"_s << false << false;
    QTest::newRow("an unreadable file") << u"unreadable"_s << false << false;
    QTest::newRow("a read-only folder") << u"read-only folder"_s << true << false;
}

// Whatever is put in place of the file, vesk starts at once, reads only a
// regular file, writes only to one (through links to it), changes nothing
// outside its folder and says once why it leaves a file alone.
void tst_SettingsFile::whateverIsInItsPlace()
{
    QFETCH(QString, place);
    QFETCH(bool, readsStored);
    QFETCH(bool, writes);
    const bool root = ::geteuid() == 0;
    if (root && (place == u"unreadable"_s || place == u"read-only folder"_s))
        QSKIP("file permissions do not bind the superuser");
    if (!root && place == u"device"_s)
        QSKIP("only the superuser makes device nodes");

    QTemporaryDir dir;
    const QString folder = dir.filePath(u"vesk"_s);   // the settings folder
    const QString outside = dir.filePath(u"other"_s); // what links point at
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QDir().mkpath(outside));
    const QString path = folder + u"/vesk.conf"_s;
    const QByteArray stored = "[General]\nappearance=Fosc\n";
    const QString regular = outside + u"/dotfile.conf"_s;
    QVERIFY(writeAll(regular, stored));
    const QString fifo = outside + u"/fifo"_s;
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(QDir().mkpath(outside + u"/folder"_s));
    const QString huge = outside + u"/huge.conf"_s;
    QVERIFY(writeAll(huge, stored + QByteArray(SettingsFile::sizeLimit, '#')));
    QLocalServer server;

    const auto link = [&](const QString &to) {
        QVERIFY(QFile::link(to, path));
    };
    if (place == u"regular"_s) {
        QVERIFY(writeAll(path, stored));
    } else if (place == u"link to regular"_s) {
        link(regular);
    } else if (place == u"link to link"_s) {
        QVERIFY(QFile::link(regular, outside + u"/middle.conf"_s));
        link(outside + u"/middle.conf"_s);
    } else if (place == u"fifo"_s) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (place == u"link to fifo"_s) {
        link(fifo);
    } else if (place == u"socket"_s) {
        server.setSocketOptions(QLocalServer::WorldAccessOption);
        QVERIFY(server.listen(path));
    } else if (place == u"link to device"_s) {
        link(u"/dev/null"_s);
    } else if (place == u"device"_s) {
        QCOMPARE(::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
    } else if (place == u"directory"_s) {
        QVERIFY(QDir().mkpath(path));
    } else if (place == u"link to directory"_s) {
        link(outside + u"/folder"_s);
    } else if (place == u"dangling link"_s) {
        link(outside + u"/gone.conf"_s);
    } else if (place == u"huge"_s) {
        QVERIFY(writeAll(path, readAll(huge)));
    } else if (place == u"link to huge"_s) {
        link(huge);
    } else if (place == u"unreadable"_s) {
        QVERIFY(writeAll(path, stored));
        QVERIFY(QFile::setPermissions(path, {}));
    } else if (place == u"read-only folder"_s) {
        QVERIFY(writeAll(path, stored));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    }
    const auto outsideBefore = snapshot(outside);
    const auto folderBefore = snapshot(folder);

    warnings = 0;
    QElapsedTimer clock;
    clock.start();
    SettingsFile file(path);
    Preferences preferences(file);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(preferences.appearance(), readsStored ? Appearance::dark : Appearance::system);
    const bool leftAlone = file.state() == SettingsFile::State::refused;
    QCOMPARE(warnings, leftAlone ? 1 : 0);

    // Choices always last for the session; they reach the file only when it
    // is one vesk may write.
    preferences.setAppearance(Appearance::light);
    preferences.setCompactCards(true);
    QCOMPARE(preferences.appearance(), Appearance::light);
    QCOMPARE(preferences.lastWriteSucceeded(), writes);
    QCOMPARE(warnings, leftAlone ? 1 : 0); // said once, not at every write
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const auto outsideAfter = snapshot(outside);
    if (place.startsWith(u"link to regular"_s) || place == u"link to link"_s) {
        // The link's target is replaced, the link itself stays.
        QVERIFY(QFileInfo(path).isSymLink());
        const QByteArray target = readAll(regular);
        QVERIFY(target.contains("appearance=Clar\n") && target.contains("compactCards=true\n"));
        auto expected = outsideBefore;
        expected.remove(u"dotfile.conf"_s);
        auto actual = outsideAfter;
        actual.remove(u"dotfile.conf"_s);
        QCOMPARE(actual, expected);
    } else {
        QCOMPARE(outsideAfter, outsideBefore);
    }
    if (!writes) {
        QCOMPARE(snapshot(folder), folderBefore);
    } else if (!QFileInfo(path).isSymLink()) {
        const QByteArray text = readAll(path);
        QVERIFY2(text.contains("appearance=Clar\n"), text.constData());
        // A restart reads what was written.
        SettingsFile again(path);
        QCOMPARE(Preferences(again).appearance(), Appearance::light);
    }
}

void tst_SettingsFile::foreignLinesSurviveByteForByte()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"vesk.conf"_s);
    const QByteArray before = "; a comment kept by a dotfile manager\r\n"
                              "[General]\r\n"
                              "appearance=Fosc\r\n"
                              "caf\xc3\xa9=\xff\xfe not UTF-8\r\n"
                              "other=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\nUnknownType)\r\n"
                              "# another comment\r\n"
                              "[Other%20Tool]\r\n"
                              "appearance=mine\r\n"
                              "compactCards=1";
    QVERIFY(writeAll(path, before));
    {
        SettingsFile file(path);
        Preferences preferences(file);
        QCOMPARE(preferences.appearance(), Appearance::dark);
        QVERIFY(!preferences.compactCards()); // the other tool's section is not ours
        preferences.setAppearance(Appearance::light);
        preferences.setCompactCards(true);
        preferences.setStartSection(Section::privacy);
    }
    const QByteArray after = readAll(path);
    // vesk's line changed in place; its new keys joined its section; every
    // other byte is as it was.
    QCOMPARE(after.left(before.indexOf("[General]")), before.left(before.indexOf("[General]")));
    for (const QByteArray &line : before.split('\n')) {
        if (!line.startsWith("appearance=Fosc"))
            QVERIFY2(after.contains(line), line.constData());
    }
    QVERIFY(after.contains("appearance=Clar\r\n"));
    QVERIFY(after.endsWith("[Other%20Tool]\r\nappearance=mine\r\ncompactCards=1"));
    // The platform's reader agrees with what vesk wrote.
    QSettings reference(path, QSettings::IniFormat);
    QSettingsStore referenceStore(reference);
    const Preferences read(referenceStore);
    QCOMPARE(read.appearance(), Appearance::light);
    QCOMPARE(read.startSection(), Section::privacy);
    QVERIFY(read.compactCards());
}

// A file that earlier versions wrote (with the platform's writer) reads the
// same, and the platform's reader reads what vesk writes.
void tst_SettingsFile::readsWhatThePlatformWrote()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.conf"_s);
    {
        QSettings old(path, QSettings::IniFormat);
        old.setValue(u"appearance"_s, u"Fosc"_s);
        old.setValue(u"startSection"_s, u"Historial"_s);
        old.setValue(u"preselectLowRisk"_s, false);
        old.setValue(u"compactCards"_s, true);
        old.setValue(u"Window/geometry"_s, QByteArray("\x01\x02", 2));
    }
    const QByteArray written = readAll(path);
    SettingsFile file(path);
    Preferences preferences(file);
    QCOMPARE(preferences.appearance(), Appearance::dark);
    QCOMPARE(preferences.startSection(), Section::history);
    QVERIFY(!preferences.preselectLowRisk());
    QVERIFY(preferences.compactCards());
    preferences.setPreselectLowRisk(true);
    QByteArray expected = written;
    expected.replace("preselectLowRisk=false", "preselectLowRisk=true");
    QCOMPARE(readAll(path), expected);
}

void tst_SettingsFile::writesKeepPermissions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"vesk.conf"_s);
    QVERIFY(writeAll(path, "[General]\n"));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    SettingsFile file(path);
    QVERIFY(file.setValue(QLatin1String("appearance"), u"Clar"_s));
    const QFile::Permissions everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFile::permissions(path) & everyone, QFile::ReadOwner | QFile::WriteOwner);
    // Only plain words are written: nothing that would read back otherwise.
    QVERIFY(!file.setValue(QLatin1String("appearance"), u"Fosc, Clar"_s));
    QCOMPARE(readAll(path), QByteArray("[General]\nappearance=Clar\n"));
}

QTEST_GUILESS_MAIN(tst_SettingsFile)
#include "tst_SettingsFile.moc"
