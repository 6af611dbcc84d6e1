// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "VeskCore/Display.h"

#include <QTest>
#include <QTimeZone>

#include <ctime>
#include <limits>

using namespace vesk;

class tst_Display : public QObject
{
    Q_OBJECT

private slots:
    void bytes_data();
    void bytes();
    void bytesFollowsTheDefaultLocale();
    void date_data();
    void date();
};

void tst_Display::bytes_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QString>("expected");

    // The C locale writes no group separator; Catalan groups with a dot.
    const qint64 max = std::numeric_limits<qint64>::max();
    const qint64 min = std::numeric_limits<qint64>::min();
    struct Row
    {
        const char *name;
        qint64 count;
        const char *c;
        const char *ca;
    };
    const Row rows[] = {
        {"zero", 0, "0 B", "0 B"},
        {"one byte", 1, "1 kB", "1 kB"},
        {"below a kilobyte", 999, "1 kB", "1 kB"},
        {"whole kilobytes", 1'499, "1 kB", "1 kB"},
        {"kilobyte rounding up to a megabyte", 999'999, "1 MB", "1 MB"},
        {"megabytes", 800'000'000, "800 MB", "800 MB"},
        {"one megabyte decimal", 1'250'000, "1.3 MB", "1,3 MB"},
        {"gigabytes with a decimal", 3'200'000'000, "3.2 GB", "3,2 GB"},
        {"two gigabyte decimals", 1'234'567'890, "1.23 GB", "1,23 GB"},
        {"trailing zeros dropped", 24'000'000'000, "24 GB", "24 GB"},
        {"terabytes", 2'000'000'000'000, "2 TB", "2 TB"},
        {"no petabytes", 5'000'000'000'000'000, "5000 TB", "5.000 TB"},
        {"negative", -3'200'000'000, "-3.2 GB", "-3,2 GB"},
        {"largest", max, "9223372.04 TB", "9.223.372,04 TB"},
        {"smallest", min, "-9223372.04 TB", "-9.223.372,04 TB"},
    };
    for (const Row &row : rows) {
        QTest::addRow("C: %s", row.name) << "C" << row.count << QString::fromUtf8(row.c);
        QTest::addRow("ca_ES: %s", row.name) << "ca_ES" << row.count << QString::fromUtf8(row.ca);
    }
}

void tst_Display::bytes()
{
    QFETCH(QString, locale);
    QFETCH(qint64, count);
    QFETCH(QString, expected);
    QCOMPARE(Display::bytes(count, QLocale(locale)), expected);
}

void tst_Display::bytesFollowsTheDefaultLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QStringLiteral("ca_ES")));
    const QString catalan = Display::bytes(3'200'000'000);
    QLocale::setDefault(QLocale::c());
    const QString plain = Display::bytes(3'200'000'000);
    QLocale::setDefault(saved);
    QCOMPARE(catalan, QStringLiteral("3,2 GB"));
    QCOMPARE(plain, QStringLiteral("3.2 GB"));
}

void tst_Display::date_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("expected");

    const QDateTime reference(QDate(2026, 11, 2), QTime(11, 0), QTimeZone::utc());
    QTest::newRow("reference, UTC")
        << QByteArray("UTC") << reference << QStringLiteral("2 de novembre, 11:00");
    QTest::newRow("reference, Madrid")
        << QByteArray("Europe/Madrid") << reference << QStringLiteral("2 de novembre, 12:00");
    QTest::newRow("elided month, morning")
        << QByteArray("UTC") << QDateTime(QDate(2026, 4, 15), QTime(9, 5), QTimeZone::utc())
        << QStringLiteral("15 d’abril, 9:05");
    QTest::newRow("day boundary in the local zone")
        << QByteArray("Europe/Madrid")
        << QDateTime(QDate(2026, 12, 31), QTime(23, 30), QTimeZone::utc())
        << QStringLiteral("1 de gener, 0:30");
}

void tst_Display::date()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, when);
    QFETCH(QString, expected);

    const QByteArray saved = qgetenv("TZ");
    qputenv("TZ", zone);
    tzset();
    const QString shown = Display::date(when);
    qputenv("TZ", saved);
    tzset();
    QCOMPARE(shown, expected);
}

QTEST_GUILESS_MAIN(tst_Display)
#include "tst_Display.moc"
