// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SourceLiterals.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QString sourceDir = QStringLiteral(VESK_SOURCE_DIR);

// The language of every committed catalog ("ca" for vesk_ca.ts).
QStringList languages()
{
    QStringList found;
    for (const QString &name : QDir(sourceDir + QStringLiteral("/translations"))
                                   .entryList({QStringLiteral("vesk_*.ts")}, QDir::Files))
        found << name.sliced(5).chopped(3);
    return found;
}
const QStringList translatedFolders = {QStringLiteral("vesk"), QStringLiteral("VeskCore")};

QStringList sourceFiles()
{
    QStringList files;
    for (const QString &folder : translatedFolders) {
        QDirIterator it(sourceDir + QLatin1Char('/') + folder,
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
    }
    files.sort();
    return files;
}

// The messages of a catalog as "context|source|comment".
QSet<QString> messagesOf(const QString &tsPath)
{
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> messages;
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("comment"))
                comment = xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages.insert(context + QLatin1Char('|') + source + QLatin1Char('|') + comment);
            source.clear();
            comment.clear();
        }
    }
    return xml.hasError() ? QSet<QString>{} : messages;
}

} // namespace

class TranslatableTest : public QObject
{
    Q_OBJECT

private slots:
    void scannerTellsTextFromCode_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("untranslated");

        const QStringList none;
        QTest::newRow("tr") << "label->setText(tr(\"Analitza ara\"));" << none;
        QTest::newRow("noop in a literal macro")
            << "QStringLiteral(QT_TRANSLATE_NOOP(\"vesk::Section\", \"Inici\"))" << none;
        QTest::newRow("qualified translate")
            << "QCoreApplication::translate(\"ctx\", \"Espai lliure\")" << none;
        QTest::newRow("plain text") << "label->setText(QStringLiteral(\"Analitza ara\"));"
                                    << QStringList{QStringLiteral("Analitza ara")};
        QTest::newRow("bare literal")
            << "button(\"Cancel·la\");" << QStringList{QStringLiteral("Cancel·la")};
        QTest::newRow("one capitalised word")
            << "QString k = QStringLiteral(\"Carpeta\");" << QStringList{QStringLiteral("Carpeta")};
        QTest::newRow("adjacent literals") << "f(QStringLiteral(\"Regla de \"\n  \"mostra\"));"
                                           << QStringList{QStringLiteral("Regla de mostra")};
        QTest::newRow("marked on the line")
            << "f(QStringLiteral(\"Llenç\")); // untranslated: a product name" << none;
        QTest::newRow("marked above")
            << "// untranslated: a date format\nf(QStringLiteral(\"d MMMM, H:mm\"));" << none;
        QTest::newRow("a mark covers only the next line")
            << "// untranslated: a name\nf(1);\nf(QStringLiteral(\"Llenç\"));"
            << QStringList{QStringLiteral("Llenç")};
        QTest::newRow("code-like literals")
            << "f(QStringLiteral(\"browserRows\"), \"info.circle\", \"%1 · %2\", "
               "\"Demo/Altres/Temporals\", \"Estiu al mar.mov\", \"vesk-mark|%1\");"
            << none;
        QTest::newRow("comments, characters and separators")
            << "/* \"Text amagat\" */ f('\"', 3'200'000); // \"Més text\"\n#include \"Algun "
               "Fitxer.h\""
            << none;
        QTest::newRow("prefixed characters")
            << "f(u'\"', U'x', L'y', u8'z'); f(QStringLiteral(\"Desa ara\"));"
            << QStringList{QStringLiteral("Desa ara")};
        QTest::newRow("raw string")
            << "f(R\"x(Hola \"món\")x\");" << QStringList{QStringLiteral("Hola \"món\"")};
        QTest::newRow("logged") << "qWarning(\"Could not open the file\");" << none;
    }

    void scannerTellsTextFromCode()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, untranslated);
        QStringList found;
        for (const SourceLiterals::Literal &literal : SourceLiterals::untranslatedTexts(source))
            found.append(literal.text);
        QCOMPARE(found, untranslated);
    }

    // The committed catalogs hold exactly the texts of today's sources; a
    // failure means `cmake --build build --target update_translations`.
    void catalogsAreCurrent()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fresh = dir.filePath(QStringLiteral("vesk_ca.ts"));
        QProcess lupdate;
        QStringList arguments = {QStringLiteral("-silent"), QStringLiteral("-source-language"),
                                 QStringLiteral("ca"), QStringLiteral("-locations"),
                                 QStringLiteral("none")};
        arguments += sourceFiles();
        arguments << QStringLiteral("-ts") << fresh;
        lupdate.start(QStringLiteral(VESK_LUPDATE), arguments);
        QVERIFY2(lupdate.waitForFinished(60000), qPrintable(lupdate.errorString()));
        QCOMPARE(lupdate.exitCode(), 0);

        const QSet<QString> expected = messagesOf(fresh);
        QVERIFY(expected.size() > 300);
        QVERIFY(languages().contains(QStringLiteral("ca")));
        for (const QString &language : languages()) {
            const QSet<QString> committed =
                messagesOf(sourceDir + QStringLiteral("/translations/vesk_%1.ts").arg(language));
            const QSet<QString> missing = expected - committed;
            const QSet<QString> stale = committed - expected;
            QVERIFY2(
                missing.isEmpty() && stale.isEmpty(),
                qPrintable(
                    QStringLiteral("vesk_%1.ts: %2 missing (%3), %4 stale (%5)")
                        .arg(language)
                        .arg(missing.size())
                        .arg(QStringList(missing.values()).mid(0, 3).join(QLatin1String("; ")))
                        .arg(stale.size())
                        .arg(QStringList(stale.values()).mid(0, 3).join(QLatin1String("; ")))));
        }
    }

    void compiledCatalogsAreEmbedded()
    {
        for (const QString &language : languages()) {
            QTranslator translator;
            QVERIFY2(translator.load(QStringLiteral(":/i18n/vesk_%1.qm").arg(language)),
                     qPrintable(language));
        }
    }
};

QTEST_GUILESS_MAIN(TranslatableTest)
#include "tst_Translatable.moc"
