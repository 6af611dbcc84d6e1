// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskCore/Preferences.h"
#include "VeskCore/QSettingsStore.h"
#include "VeskCore/SettingsFile.h"

#include "SettingsFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <sys/sysmacros.h>
#endif

using namespace vesk;
using namespace SettingsFiles;
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

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                  QDir::NoDotAndDotDot);
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
    void readsWhatThePlatformWrote();
    void writesMergeWithWhatIsThereNow_data();
    void writesMergeWithWhatIsThereNow();
    void twoProcessesNeverUndoEachOther();
    void neverWritesThroughWhatAppeared_data();
    void neverWritesThroughWhatAppeared();
    void refusesWritesItCannotMakeSafely_data();
    void refusesWritesItCannotMakeSafely();
    void keepsUpWithFilesReplacedMeanwhile();
    void removesWhatACrashedWriteLeft();
    void failedWriteChangesNothing_data();
    void failedWriteChangesNothing();
    void keepsOwnerGroupAndMode();
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

void tst_SettingsFile::writesMergeWithWhatIsThereNow_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("another vesk changed another key")
        << u"another vesk"_s
        << QByteArray("[General]\nappearance=Clar\ncompactCards=true\n"
                      "startSection=Espai\n");
    QTest::newRow("a line added by hand")
        << u"hand edit"_s
        << QByteArray("[General]\nappearance=Fosc\nhandMade=yes\nstartSection=Espai\n"
                      "[Tool]\nappearance=mine\n");
    QTest::newRow("deleted and made again with other content")
        << u"made again"_s
        << QByteArray("[General]\npreselectLowRisk=false\nstartSection=Espai\n; kept\n");
    QTest::newRow("deleted") << u"deleted"_s << QByteArray("[General]\nstartSection=Espai\n");
}

// A write changes one key of the file as it is at that moment, not as it
// was when vesk started.
void tst_SettingsFile::writesMergeWithWhatIsThereNow()
{
    QFETCH(QString, meanwhile);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"vesk.conf"_s);
    QVERIFY(writeAll(path, "[General]\nappearance=Fosc\n"));
    SettingsFile mine(path);
    SettingsFile other(path);

    if (meanwhile == u"another vesk"_s) {
        // Alternating writes of two stores: neither undoes the other.
        for (int n = 0; n < 40; ++n) {
            QVERIFY(other.setValue(QLatin1String("compactCards"), n % 2 == 0));
            QVERIFY(mine.setValue(QLatin1String("appearance"), n % 2 ? u"Clar"_s : u"Fosc"_s));
        }
        QVERIFY(other.setValue(QLatin1String("compactCards"), true));
    } else if (meanwhile == u"hand edit"_s) {
        QVERIFY(writeAll(path, readAll(path) + "handMade=yes\n[Tool]\nappearance=mine\n"));
    } else if (meanwhile == u"made again"_s) {
        QVERIFY(QFile::remove(path));
        QVERIFY(writeAll(path, "[General]\npreselectLowRisk=false\n; kept\n"));
    } else {
        QVERIFY(QFile::remove(path));
    }
    QVERIFY(mine.setValue(QLatin1String("startSection"), u"Espai"_s));
    QCOMPARE(readAll(path), expected);
    QCOMPARE(folderEntries(dir.path()), QStringList{u"vesk.conf"_s});
}

// Two vesk processes writing at once, each its own key: the last value of
// each is in the file at the end.
void tst_SettingsFile::twoProcessesNeverUndoEachOther()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"vesk.conf"_s);
    QVERIFY(writeAll(path, "[General]\nappearance=Fosc\n"));
    SettingsFile mine(path); // read before the other process writes anything
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        SettingsFile theirs(path);
        bool ok = true;
        for (int n = 0; n < 150; ++n)
            ok = theirs.setValue(QLatin1String("compactCards"), n % 2 != 0) && ok;
        ::_exit(ok ? 0 : 1);
    }
    bool ok = true;
    for (int n = 0; n < 150; ++n)
        ok = mine.setValue(QLatin1String("startSection"), n % 2 ? u"Espai"_s : u"Neteja"_s) && ok;
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QVERIFY(ok);
    QVERIFY(mine.setValue(QLatin1String("preselectLowRisk"), false));

    const QVariantMap read = platformReading(path);
    QCOMPARE(read.value(u"appearance"_s), QVariant(u"Fosc"_s));
    QCOMPARE(read.value(u"compactCards"_s), QVariant(u"true"_s));
    QCOMPARE(read.value(u"startSection"_s), QVariant(u"Espai"_s));
    QCOMPARE(read.value(u"preselectLowRisk"_s), QVariant(u"false"_s));
    QCOMPARE(readAll(path).count("compactCards="), 1);
    QCOMPARE(folderEntries(dir.path()), QStringList{u"vesk.conf"_s});
}

void tst_SettingsFile::neverWritesThroughWhatAppeared_data()
{
    QTest::addColumn<QString>("swapIn");
    QTest::newRow("a link to another file") << u"link"_s;
    QTest::newRow("the start's link, led elsewhere") << u"retargeted link"_s;
    QTest::newRow("a FIFO") << u"fifo"_s;
    QTest::newRow("a directory") << u"directory"_s;
    QTest::newRow("links swapped in and out while writing") << u"race"_s;
}

// What takes the file's place after the start is never written through or
// replaced: the choice stays in memory.
void tst_SettingsFile::neverWritesThroughWhatAppeared()
{
    QFETCH(QString, swapIn);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"vesk.conf"_s);
    const QString victim = dir.filePath(u"victim"_s);
    const QString dotfile = dir.filePath(u"dotfile.conf"_s);
    const QByteArray victimBytes = "[General]\nappearance=Sistema\nsecret=1\n";
    QVERIFY(writeAll(victim, victimBytes));
    QVERIFY(writeAll(dotfile, "[General]\nappearance=Fosc\n"));
    if (swapIn == u"retargeted link"_s)
        QVERIFY(QFile::link(dotfile, path));
    else
        QVERIFY(writeAll(path, "[General]\nappearance=Fosc\n"));
    SettingsFile file(path);
    Preferences preferences(file);
    QCOMPARE(preferences.appearance(), Appearance::dark);

    const QByteArray name = QFile::encodeName(path);
    if (swapIn == u"race"_s) {
        // Another process swaps a link to the victim and a regular file in
        // and out while vesk writes.
        std::atomic<bool> stop = false;
        std::thread swapper([&] {
            const QByteArray link = QFile::encodeName(dir.filePath(u"swap-link"_s));
            const QByteArray plain = QFile::encodeName(dir.filePath(u"swap-file"_s));
            const QByteArray victimName = QFile::encodeName(victim);
            while (!stop) {
                (void)::symlink(victimName.constData(), link.constData());
                (void)::rename(link.constData(), name.constData());
                QFile regular(QFile::decodeName(plain));
                if (regular.open(QIODevice::WriteOnly))
                    regular.write("[General]\n");
                regular.close();
                (void)::rename(plain.constData(), name.constData());
            }
        });
        for (int n = 0; n < 300; ++n)
            preferences.setCompactCards(n % 2 == 0);
        stop = true;
        swapper.join();
        QCOMPARE(readAll(victim), victimBytes);
        return;
    }
    QVERIFY(QFile::remove(path));
    if (swapIn == u"link"_s || swapIn == u"retargeted link"_s) {
        QVERIFY(QFile::link(victim, path));
    } else if (swapIn == u"fifo"_s) {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else {
        QVERIFY(QDir().mkpath(path));
    }
    const auto before = snapshot(dir.path());
    warnings = 0;
    QElapsedTimer clock;
    clock.start();
    preferences.setAppearance(Appearance::light);
    preferences.setCompactCards(true);
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(!preferences.lastWriteSucceeded());
    QVERIFY(!file.problem().isEmpty());
    QCOMPARE(preferences.appearance(), Appearance::light);
    QCOMPARE(warnings, 1); // once, not at every write
    QCOMPARE(snapshot(dir.path()), before);
}

void tst_SettingsFile::refusesWritesItCannotMakeSafely_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("a FIFO at the lock's path") << u"lock fifo"_s;
    QTest::newRow("a link to a FIFO at the lock's path") << u"lock link to fifo"_s;
    QTest::newRow("a directory at the lock's path") << u"lock directory"_s;
    QTest::newRow("a link to nothing at the lock's path") << u"lock dangling link"_s;
    QTest::newRow("a link to a file at the lock's path") << u"lock link to file"_s;
    QTest::newRow("a read-only file") << u"read-only"_s;
    QTest::newRow("a change past the size vesk reads") << u"too large"_s;
    QTest::newRow("a link in place of its folder") << u"folder swapped"_s;
}

// Where a write would hang, be refused at the next start, override the
// user's a-w or land outside the folder, it fails at once, changes nothing,
// says so once and keeps the choice for the session.
void tst_SettingsFile::refusesWritesItCannotMakeSafely()
{
    QFETCH(QString, obstacle);
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"vesk"_s);
    const QString elsewhere = dir.filePath(u"elsewhere"_s);
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QDir().mkpath(elsewhere));
    const QString path = folder + u"/vesk.conf"_s;
    const QString lock = path + u".lock"_s;
    const QString fifo = elsewhere + u"/fifo"_s;
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(writeAll(elsewhere + u"/notes"_s, "keep me\n"));
    QByteArray stored = "[General]\nappearance=Fosc\n";
    if (obstacle == u"too large"_s) {
        // Foreign lines, kept as they are, up to just below the limit.
        while (stored.size() < SettingsFile::sizeLimit - 10)
            stored += "; a line another tool keeps here\n";
        stored.truncate(SettingsFile::sizeLimit - 4);
        stored += "\n;x\n";
    }
    QVERIFY(writeAll(path, stored));
    SettingsFile file(path);
    Preferences preferences(file);
    QCOMPARE(preferences.appearance(), Appearance::dark);

    if (obstacle == u"lock fifo"_s)
        QCOMPARE(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
    else if (obstacle == u"lock link to fifo"_s)
        QVERIFY(QFile::link(fifo, lock));
    else if (obstacle == u"lock directory"_s)
        QVERIFY(QDir().mkpath(lock));
    else if (obstacle == u"lock dangling link"_s)
        QVERIFY(QFile::link(elsewhere + u"/gone"_s, lock));
    else if (obstacle == u"lock link to file"_s)
        QVERIFY(QFile::link(elsewhere + u"/notes"_s, lock));
    else if (obstacle == u"read-only"_s)
        QVERIFY(
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    else if (obstacle == u"folder swapped"_s) {
        QVERIFY(QDir().rename(folder, dir.filePath(u"moved"_s)));
        QVERIFY(QFile::link(elsewhere, folder));
    }
    const auto before = snapshot(dir.path());

    // Were a write to wait on the FIFO, this opens its other end again and
    // again, so that the test fails rather than hangs.
    std::atomic<bool> done = false;
    std::thread unblocker([&] {
        const QByteArray blocking = QFile::encodeName(obstacle == u"lock fifo"_s ? lock : fifo);
        while (!done) {
            const int end = ::open(blocking.constData(), O_WRONLY | O_NONBLOCK);
            if (end >= 0)
                ::close(end);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    const auto join = qScopeGuard([&] {
        done = true;
        unblocker.join();
    });
    warnings = 0;
    QElapsedTimer clock;
    clock.start();
    preferences.setCompactCards(true); // a new line: past the limit
    preferences.setAppearance(Appearance::light);
    // At once: not the lock's 2 s wait per write, nor a hang.
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!preferences.lastWriteSucceeded());
    QCOMPARE(warnings, 1);
    QCOMPARE(preferences.appearance(), Appearance::light);
    QCOMPARE(snapshot(dir.path()), before);
    QCOMPARE(SettingsFile(
                 QFile::decodeName(QFile::encodeName(
                     obstacle == u"folder swapped"_s ? dir.filePath(u"moved/vesk.conf"_s) : path)))
                 .state(),
             SettingsFile::State::loaded);
}

// Another program that saves by renaming a new copy into place (as editors
// and a second vesk do) never makes vesk refuse the file or drop a write.
void tst_SettingsFile::keepsUpWithFilesReplacedMeanwhile()
{
    // Memory-backed where possible: the race needs writes faster than a disk.
    const QString shm = u"/dev/shm"_s;
    QTemporaryDir dir(QFileInfo(shm).isWritable() ? shm + u"/vesk-XXXXXX"_s : QString());
    const QString path = dir.filePath(u"vesk.conf"_s);
    QVERIFY(writeAll(path, "[General]\nappearance=Fosc\n"));
    std::atomic<bool> stop = false;
    std::atomic<bool> paced = false;
    std::thread editor([&] {
        const QString copy = dir.filePath(u"editor-copy"_s);
        while (!stop) {
            if (writeAll(copy, "[General]\nappearance=Fosc\n"))
                (void)::rename(QFile::encodeName(copy).constData(),
                               QFile::encodeName(path).constData());
            if (paced)
                std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    });
    const auto join = qScopeGuard([&] {
        stop = true;
        editor.join();
    });
    for (int n = 0; n < 300; ++n) {
        SettingsFile file(path);
        QCOMPARE(file.state(), SettingsFile::State::loaded);
    }
    paced = true; // a write takes longer than a read
    SettingsFile file(path);
    for (int n = 0; n < 300; ++n)
        QVERIFY2(file.setValue(QLatin1String("compactCards"), n % 2 == 0),
                 qPrintable(file.problem()));
}

// A writer killed between making its temporary copy and renaming it leaves
// the copy; the next write removes such copies once nobody can be making them.
void tst_SettingsFile::removesWhatACrashedWriteLeft()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"vesk.conf"_s);
    QVERIFY(writeAll(path, "[General]\n"));
    const QStringList names{u"vesk.conf.0badc0de"_s, u"vesk.conf.1234abcd"_s, u"vesk.conf.notes"_s,
                            u"vesk.conf.0badc0de1"_s, u"other.0badc0de"_s};
    for (const QString &name : names)
        QVERIFY(writeAll(dir.filePath(name), "[General]\nappearance=Clar\n"));
    const auto age = [&](const QString &name) {
        const timespec old[2]{{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(dir.filePath(name)).constData(), old, 0),
                 0);
    };
    age(u"vesk.conf.0badc0de"_s); // left by a crash two minutes ago
    age(u"vesk.conf.notes"_s);
    age(u"vesk.conf.0badc0de1"_s);
    age(u"other.0badc0de"_s);
    // vesk.conf.1234abcd is recent: another vesk may be about to rename it.

    SettingsFile file(path);
    QVERIFY(file.setValue(QLatin1String("appearance"), u"Fosc"_s));
    QStringList expected = names.mid(1) << u"vesk.conf"_s;
    expected.sort();
    QCOMPARE(folderEntries(dir.path()), expected);
}

void tst_SettingsFile::failedWriteChangesNothing_data()
{
    QTest::addColumn<bool>("fullDisk"); // else a file-size limit
    QTest::newRow("a file-size limit") << false;
    QTest::newRow("a full disk") << true;
}

// A write that cannot land leaves the old file byte for byte and nothing
// beside it, says so once, and keeps the choice for the next write.
void tst_SettingsFile::failedWriteChangesNothing()
{
    QFETCH(bool, fullDisk);
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"vesk"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/vesk.conf"_s;
    QByteArray stored = "[General]\nappearance=Fosc\nstartSection=Espai\n";
    while (stored.size() < 600)
        stored += "; a note the user keeps\n";

    QStringList fillers;
    rlimit unlimited{};
#ifdef Q_OS_LINUX
    const auto unmount = qScopeGuard([&] {
        if (fullDisk)
            ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    });
    const bool mounted = fullDisk && ::mount("tmpfs", QFile::encodeName(folder).constData(),
                                             "tmpfs", 0, "size=64k") == 0;
#else
    const bool mounted = false;
#endif
    if (fullDisk) {
        if (!mounted)
            QSKIP("a small file system to fill is mounted only on Linux, by the superuser");
        QVERIFY(writeAll(path, stored));
        // Full, but for one page: room for the lock file, none for the new copy.
        for (int n = 0;; ++n) {
            const QString filler = folder + u"/filler-%1"_s.arg(n);
            QFile file(filler);
            if (!file.open(QIODevice::WriteOnly))
                break;
            fillers << QFileInfo(filler).fileName();
            if (file.write(QByteArray(4096, 'x')) != 4096 || !file.flush())
                break;
        }
        QVERIFY(QFile::remove(folder + u'/' + fillers.takeFirst()));
    } else {
        QVERIFY(writeAll(path, stored));
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
        rlimit limit = unlimited;
        limit.rlim_cur = 300;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    const auto lift = [&] {
        if (fullDisk) {
            for (const QString &filler : std::as_const(fillers))
                QFile::remove(folder + u'/' + filler);
        } else {
            ::setrlimit(RLIMIT_FSIZE, &unlimited);
        }
    };
    auto lifted = qScopeGuard(lift);

    SettingsFile file(path);
    Preferences preferences(file);
    QSignalSpy succeeded(&preferences, &Preferences::lastWriteSucceededChanged);
    const QStringList entries = folderEntries(folder);
    warnings = 0;
    preferences.setAppearance(Appearance::light);
    preferences.setStartSection(Section::history);
    QVERIFY(!preferences.lastWriteSucceeded());
    QCOMPARE(succeeded.size(), 1);
    QCOMPARE(warnings, 1);
    QCOMPARE(preferences.appearance(), Appearance::light);
    QCOMPARE(readAll(path), stored);
    QCOMPARE(folderEntries(folder), entries);

    // Room again: the next write lands, and takes the earlier choices along.
    lift();
    preferences.setCompactCards(true);
    QVERIFY(preferences.lastWriteSucceeded());
    QCOMPARE(succeeded.size(), 2);
    QByteArray expected = stored;
    expected.replace("appearance=Fosc\nstartSection=Espai\n",
                     "appearance=Clar\nstartSection=Historial\ncompactCards=true\n");
    QCOMPARE(readAll(path), expected);
}

// A rewrite keeps the file's mode, and its owner and group when the process
// may give them (a superuser running vesk on a user's file).
void tst_SettingsFile::keepsOwnerGroupAndMode()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"vesk.conf"_s);
    QVERIFY(writeAll(path, "[General]\n"));
    const QByteArray name = QFile::encodeName(path);
    QCOMPARE(::chmod(name.constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root)
        QCOMPARE(::chown(name.constData(), 4321, 4322), 0);
    struct stat before
    {};
    QCOMPARE(::stat(name.constData(), &before), 0);

    SettingsFile file(path);
    QVERIFY(file.setValue(QLatin1String("appearance"), u"Clar"_s));
    // Only plain words are written: nothing that would read back otherwise.
    QVERIFY(!file.setValue(QLatin1String("appearance"), u"Fosc, Clar"_s));
    QCOMPARE(readAll(path), QByteArray("[General]\nappearance=Clar\n"));
    struct stat after
    {};
    QCOMPARE(::stat(name.constData(), &after), 0);
    QVERIFY(after.st_ino != before.st_ino); // replaced, not written in place
    QCOMPARE(after.st_mode & 07777, mode_t(0640));
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    if (!root)
        QSKIP("the mode is kept; only the superuser can check another owner");
}

QTEST_GUILESS_MAIN(tst_SettingsFile)
#include "tst_SettingsFile.moc"
