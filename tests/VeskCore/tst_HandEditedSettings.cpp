// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskCore/Preferences.h"
#include "VeskCore/QSettingsStore.h"
#include "VeskCore/SettingsFile.h"

#include "SettingsFiles.h"

#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace vesk;
using namespace SettingsFiles;
using namespace Qt::StringLiterals;

namespace {

const QList<QByteArray> vesksKeys{"appearance", "startSection", "preselectLowRisk", "compactCards"};

// Which kinds of hand edit a generated file holds.
struct EditMix
{
    bool keys = false;   // keys spelt otherwise: escapes, case, spaces, groups
    bool values = false; // quotes, escapes, typed values, lists, comments
    bool lines = false;  // headers in any case, comments, stray quotes, junk
    bool breaks = false; // CR, CRLF, continuation lines, a byte-order mark
};

// A settings file as a person, an editor or another tool may leave it.
QByteArray handEdited(QRandomGenerator &random, EditMix mix)
{
    static const QList<QByteArray> oddKeys{"start%53ection",      "%61ppearance",
                                           "compact%43ards",      "%U0061ppearance",
                                           "Appearance",          "  appearance\t",
                                           "General\\appearance", "appear%ance",
                                           "compactCards%",       "%5",
                                           "preselectLowRisk ",   "start%53ection%",
                                           "%u0061ppearance",     "compact%4",
                                           "\"appearance\"",      "startSection;x"};
    static const QList<QByteArray> plainValues{"Fosc",      "Clar",      "Sistema", "Espai",
                                               "Rendiment", "Historial", "true",    "false"};
    static const QList<QByteArray> oddValues{"@String(Espai)",
                                             "\"@String(Fosc)\"",
                                             "@ByteArray(Fosc)",
                                             "@Invalid()",
                                             "@Variant(\\0\\0\\0\\x1\\x1)",
                                             "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0)",
                                             "\"Fosc\"",
                                             "\"Fo\"sc",
                                             "Fo\\sc",
                                             "Fosc\\",
                                             "Fos\\\nc",
                                             "Fosc ; dark",
                                             "Fosc, Clar",
                                             "\"Fosc, Clar\"",
                                             "  Clar  ",
                                             "\" Clar \"",
                                             "\\x46osc",
                                             "\\106osc",
                                             "Fo\\qsc",
                                             "Clar\\t",
                                             "@@Fosc",
                                             "Esp\\\r\nai",
                                             "1",
                                             "0",
                                             "yes",
                                             "NO",
                                             " 2 ",
                                             "@Rect(1 2)",
                                             "@Size(1 2)",
                                             "\"\"",
                                             "Fo\"sc",
                                             "Clar \\",
                                             "caf\xc3\xa9",
                                             "Fosc=Clar"};
    static const QList<QByteArray> oddLines{
        "[General]", "[general]",    "[GENERAL]", "[ General ]", "[%General]",
        "[Other]",   "[]",           "[General",  "[Gen\\eral]", "\"",
        ";comment",  "; \"quoted\"", "# hash",    "no equals",   "=",
        "\\",        "  ",           "",          "x=\"open",    "[General] ; note"};
    static const QList<QByteArray> breaks{"\n", "\r\n", "\r", "\\\n"};
    const auto pick = [&random](const QList<QByteArray> &from) {
        return from.at(int(random.bounded(int(from.size()))));
    };
    const auto coin = [&random] {
        return random.bounded(2) == 0;
    };

    QByteArray text = mix.breaks && random.bounded(10) == 0 ? "\xEF\xBB\xBF" : "";
    const int lines = int(random.bounded(1, 10));
    for (int n = 0; n < lines; ++n) {
        if (random.bounded(10) < 7) {
            text += (mix.keys && coin() ? pick(oddKeys) : pick(vesksKeys)) + '=' +
                    (mix.values && coin() ? pick(oddValues) : pick(plainValues));
        } else {
            text += mix.lines ? pick(oddLines) : pick({"[General]", "[Other]", "; comment"});
        }
        text += mix.breaks ? pick(breaks) : QByteArray("\n");
    }
    return text;
}

QString escaped(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toPercentEncoding(" =[]@;,\"%"));
}

} // namespace

Q_DECLARE_METATYPE(EditMix)

// Two thousand generated files, each read and a quarter of them written: in
// its own executable, under the "slow" label, out of the quick core loop.
class tst_HandEditedSettings : public QObject
{
    Q_OBJECT

private slots:
    void readsHandEditsAsThePlatformDoes_data();
    void readsHandEditsAsThePlatformDoes();
};

void tst_HandEditedSettings::readsHandEditsAsThePlatformDoes_data()
{
    QTest::addColumn<EditMix>("mix");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("keys spelt otherwise") << EditMix{true, false, false, false} << 1u;
    QTest::newRow("values in every form") << EditMix{false, true, false, false} << 2u;
    QTest::newRow("headers, comments, stray quotes") << EditMix{false, false, true, false} << 3u;
    QTest::newRow("line breaks and continuations") << EditMix{false, true, false, true} << 4u;
    QTest::newRow("all at once") << EditMix{true, true, true, true} << 5u;
}

// Whatever a hand edit leaves, vesk's preferences read as they read from
// QSettings, and a change of one key reads, to QSettings, as that change alone: every
// other key of every section and every comment stays.
void tst_HandEditedSettings::readsHandEditsAsThePlatformDoes()
{
    QFETCH(EditMix, mix);
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    QTemporaryDir dir;
    // Qt 6.4 keeps the spaces between a byte-order mark and the first key as
    // part of the key (" appearance"); vesk skips them, as later Qt does.
    const QString probe = dir.filePath(u"mark.conf"_s);
    QVERIFY(writeAll(probe, "\xEF\xBB\xBF appearance=Fosc\n"));
    const bool keepsSpacesAfterMark = !platformReading(probe).contains(u"appearance"_s);
    for (int n = 0; n < 400; ++n) {
        const QByteArray text = handEdited(random, mix);
        const QString path = dir.filePath(u"read-%1.conf"_s.arg(n));
        QVERIFY(writeAll(path, text));
        if (keepsSpacesAfterMark &&
            (text.startsWith("\xEF\xBB\xBF ") || text.startsWith("\xEF\xBB\xBF\t")))
            continue;
        const QVariantMap expected = platformReading(path);
        SettingsFile file(path);
        QSettings platform(path, QSettings::IniFormat);
        QSettingsStore platformStore(platform);
        const Preferences ours(file);
        const Preferences theirs(platformStore);
        QVERIFY2(ours.appearance() == theirs.appearance() &&
                     ours.startSection() == theirs.startSection() &&
                     ours.preselectLowRisk() == theirs.preselectLowRisk() &&
                     ours.compactCards() == theirs.compactCards(),
                 qPrintable(escaped(text)));
        if (n % 4 != 0)
            continue; // each write syncs to the disk: a quarter of the files is enough
        QVERIFY(file.setValue(QLatin1String("appearance"), u"Clar"_s));
        QVERIFY(file.setValue(QLatin1String("compactCards"), true));
        const QByteArray written = readAll(path);
        const QString copy = dir.filePath(u"written-%1.conf"_s.arg(n));
        QVERIFY(writeAll(copy, written));
        QVariantMap changed = expected;
        changed.insert(u"appearance"_s, u"Clar"_s);
        changed.insert(u"compactCards"_s, u"true"_s);
        QVERIFY2(platformReading(copy) == changed,
                 qPrintable(escaped(text) + u" became "_s + escaped(written)));
        const auto lines = [](QByteArray bytes) {
            return bytes.replace("\r\n", "\n").replace('\r', '\n').split('\n');
        };
        // Comments stay, unless an open quote or a continuation made them
        // part of a value that changed.
        const QList<QByteArray> writtenLines = lines(written);
        const QList<QByteArray> textLines = lines(text);
        const bool linesStandAlone =
            std::all_of(textLines.begin(), textLines.end(), [](const QByteArray &line) {
                return line.count('"') % 2 == 0 && !line.endsWith('\\');
            });
        for (const QByteArray &line : textLines) {
            if (linesStandAlone && line.trimmed().startsWith(';'))
                QVERIFY2(writtenLines.contains(line),
                         qPrintable(escaped(text) + u" became "_s + escaped(written)));
        }
    }
}

QTEST_GUILESS_MAIN(tst_HandEditedSettings)
#include "tst_HandEditedSettings.moc"
