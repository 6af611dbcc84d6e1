// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace vesk {

// One value of an INI file before the platform's reader turns it into a
// QVariant: a text, or a list of texts when commas outside quotes split it.
struct IniRawValue
{
    bool isList = false;
    QStringList items; // one item unless isList

    bool operator==(const IniRawValue &) const = default;
};

// The settings file as its bytes, read the way Qt's INI reader (QSettings)
// reads them: logical lines that quotes and trailing backslashes carry over
// line ends, "[General]" in any letter case and the keys before any header
// as one General section, escaped keys ("%53", "\\"), quoted and escaped
// values, lists, "@String(…)", "@Variant(…)" and the other typed values, and
// the last occurrence of a key winning.
//
// vesk changes only its own keys of the General section, one entry at a
// time; every other byte stays as it is. An edit is checked by reading the
// result again: it must give the new value and leave every other key of every
// section reading exactly as before, or it is not made.
class IniDocument
{
public:
    [[nodiscard]] static IniDocument parse(const QByteArray &bytes);

    const QByteArray &bytes() const { return m_bytes; }

    // What QSettings::value(key) returns for a key of the General section: a
    // QString, a list, another type, or an invalid QVariant when there is
    // none (or "@Invalid()"). "@Rect(…)", "@Size(…)" and "@Point(…)", which
    // no preference reads, stay texts.
    [[nodiscard]] QVariant value(const QString &key) const;

    // The file with `key` of the General section set to `text`, which must
    // need no escaping; nothing when no edit keeps every other key as it is.
    [[nodiscard]] std::optional<QByteArray> withValue(const QString &key,
                                                      QByteArrayView text) const;

    // Every key of every section ("Section/key", General's without a
    // prefix) with its value before typing, as the platform's reader sees it.
    const QMap<QString, IniRawValue> &entries() const { return m_entries; }

    // Whether `text` reads back as itself when written unquoted.
    [[nodiscard]] static bool needsNoEscaping(QByteArrayView text);

private:
    // A key of the General section and where its logical line lies in the
    // bytes (begin < 0 when it does not lie in one piece).
    struct Placed
    {
        QString key;
        qsizetype begin = -1;
        qsizetype end = -1;
    };
    // Where the General section's text starts after each of its headers
    // (the first is the top of the file).
    QList<qsizetype> m_generalStarts;
    QList<Placed> m_general; // in reading order
    QMap<QString, IniRawValue> m_entries;
    QByteArray m_bytes;
};

} // namespace vesk
