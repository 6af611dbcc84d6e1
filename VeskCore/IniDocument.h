// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace vesk {

// One value of an INI file as the platform's settings reader would read it:
// a text, a list of texts (commas outside quotes), or anything else (a
// "@ByteArray(…)", "@Variant(…)", "@Invalid()" value), which vesk never uses.
struct IniValue
{
    enum class Kind
    {
        text,
        list,
        other
    };
    Kind kind = Kind::text;
    QString text;

    bool operator==(const IniValue &) const = default;
};

// The settings file as its lines, kept byte for byte. vesk reads and writes
// only its own keys of the General section (the keys before any section
// header, or under "[General]"); every other line, comments, other sections,
// foreign keys and bytes that are not UTF-8 included, is written back exactly
// as it was read. Reading follows the platform's INI reader: keys are exact,
// the last occurrence of a key wins, values are unquoted and unescaped.
class IniDocument
{
public:
    static IniDocument parse(const QByteArray &bytes);
    QByteArray toBytes() const;

    // The value under `key` in the General section, if any.
    std::optional<IniValue> value(QByteArrayView key) const;
    // Stores `text` under `key`: in place of the line that is read, or added
    // to the General section (which is made, first in the file, if there is
    // none). `text` is written as it is; it must need no escaping (see
    // needsNoEscaping).
    void setValue(QByteArrayView key, QByteArrayView text);

    // Whether `text` reads back as itself when written unquoted.
    static bool needsNoEscaping(QByteArrayView text);
    // The value text of one line after "=", unquoted and unescaped.
    static IniValue unescape(QByteArrayView raw);

private:
    struct Line
    {
        QByteArray content; // without its ending
        QByteArray ending;  // "\n", "\r\n", "\r" or nothing at the end of the file
    };
    // A line without the byte-order mark the file may start with.
    QByteArrayView contentAt(qsizetype index) const;
    // The index of the line holding `key` in the General section, or -1.
    qsizetype lineOf(QByteArrayView key) const;
    // Where a new key of the General section goes.
    qsizetype insertionPoint() const;

    QList<Line> m_lines;
};

} // namespace vesk
