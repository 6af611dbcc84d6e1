// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "IniDocument.h"

#include <QDataStream>
#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace vesk {

namespace {

constexpr QByteArrayView bom("\xEF\xBB\xBF");

enum Trait : uchar
{
    space = 1,   // skipped before a line
    special = 2, // stops the scan of a line
};

constexpr std::array<uchar, 256> traits = [] {
    std::array<uchar, 256> table{};
    table[uchar('\t')] = space;
    table[uchar(' ')] = space;
    table[uchar('\n')] = space | special;
    table[uchar('\r')] = space | special;
    for (char c : {'"', ';', '=', '\\'})
        table[uchar(c)] = special;
    return table;
}();

bool has(char c, Trait trait)
{
    return traits[uchar(c)] & trait;
}

// One logical line: quotes and backslashes carry it over line ends; a ";" at
// its start makes a comment to the end of the physical line, anywhere else
// outside quotes it ends the line.
struct LogicalLine
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1; // the first "=" outside quotes, or -1
};

// Reads the line at `pos` and moves `pos` past it; false at the end.
bool readLine(QByteArrayView data, qsizetype &pos, LogicalLine &line)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    line.start = pos;
    while (line.start < size && has(data.at(line.start), space))
        ++line.start;

    qsizetype i = line.start;
    while (i < size) {
        char c = data.at(i);
        while (!has(c, special)) {
            if (++i == size)
                goto done;
            c = data.at(i);
        }
        ++i;
        if (c == '=') {
            if (!inQuotes && line.equals < 0)
                line.equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char escaped = data.at(i++);
                if (i < size) {
                    const char next = data.at(i);
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else { // ';'
            if (i == line.start + 1) {
                while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                while (i < size && has(data.at(i), space))
                    ++i;
                line.start = i;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        }
    }
done:
    pos = i;
    line.length = i - line.start;
    return line.length > 0;
}

// A key or section name: "\" is the group separator "/", "%XX" and "%UXXXX"
// are characters by their hexadecimal code.
QString unescapedKey(QByteArrayView key, QString prefix = {})
{
    const QString decoded = QString::fromUtf8(key);
    const qsizetype size = decoded.size();
    QString result = std::move(prefix);
    qsizetype i = 0;
    while (i < size) {
        const QChar c = decoded.at(i);
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == size - 1) {
            result += c;
            ++i;
            continue;
        }
        qsizetype first = i + 1;
        qsizetype digits = 2;
        if (decoded.at(first) == u'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code = first + digits > size
                                ? 0
                                : QStringView(decoded).sliced(first, digits).toUShort(&ok, 16);
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

int digitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

void chopTrailingSpaces(QString &text, qsizetype limit)
{
    while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
}

// A value after "=": spaces around it dropped unless quoted, quotes removed,
// C escapes and line continuations resolved, commas outside quotes making a
// list. An unknown escape drops its character; a value that ends inside an
// escape keeps its trailing spaces.
IniRawValue unescapedValue(QByteArrayView raw)
{
    enum class State
    {
        skipSpaces,
        normal,
        escapeDigits,
        end
    };
    IniRawValue value;
    QString text;
    QStringDecoder utf8(QStringDecoder::Utf8);
    bool inQuotes = false;
    bool quoted = false;
    char16_t escape = 0;
    int escapeBase = 16;
    qsizetype chopLimit = 0;
    qsizetype i = 0;
    const qsizetype size = raw.size();
    State state = State::skipSpaces;

    // The scan of plain text; says which state comes next.
    const auto scan = [&]() -> State {
        chopLimit = text.size();
        while (i < size) {
            const char c = raw.at(i);
            if (c == '\\') {
                if (++i >= size)
                    return State::end;
                const char e = raw.at(i++);
                static constexpr std::array<std::pair<char, char>, 11> simple{{{'a', '\a'},
                                                                               {'b', '\b'},
                                                                               {'f', '\f'},
                                                                               {'n', '\n'},
                                                                               {'r', '\r'},
                                                                               {'t', '\t'},
                                                                               {'v', '\v'},
                                                                               {'"', '"'},
                                                                               {'?', '?'},
                                                                               {'\'', '\''},
                                                                               {'\\', '\\'}}};
                for (const auto &[letter, meaning] : simple) {
                    if (e == letter) {
                        text += QLatin1Char(meaning);
                        return State::normal;
                    }
                }
                if (e == 'x') {
                    escape = 0;
                    escapeBase = 16;
                    if (i >= size)
                        return State::end;
                    if (digitValue(raw.at(i), 16) >= 0)
                        return State::escapeDigits;
                } else if (digitValue(e, 8) >= 0) {
                    escape = char16_t(e - '0');
                    escapeBase = 8;
                    return State::escapeDigits;
                } else if ((e == '\n' || e == '\r') && i < size) {
                    const char next = raw.at(i);
                    if ((next == '\n' || next == '\r') && next != e)
                        ++i;
                }
                chopLimit = text.size();
                continue;
            }
            if (c == '"') {
                ++i;
                quoted = true;
                inQuotes = !inQuotes;
                if (!inQuotes)
                    return State::skipSpaces;
                continue;
            }
            if (c == ',' && !inQuotes) {
                if (!quoted)
                    chopTrailingSpaces(text, chopLimit);
                value.isList = true;
                value.items.append(text);
                text.clear();
                quoted = false;
                ++i;
                return State::skipSpaces;
            }
            qsizetype j = i + 1;
            while (j < size && raw.at(j) != '\\' && raw.at(j) != '"' && raw.at(j) != ',')
                ++j;
            text += utf8(raw.sliced(i, j - i));
            i = j;
        }
        if (!quoted)
            chopTrailingSpaces(text, chopLimit);
        return State::end;
    };

    while (state != State::end) {
        switch (state) {
        case State::skipSpaces:
            while (i < size && (raw.at(i) == ' ' || raw.at(i) == '\t'))
                ++i;
            state = scan();
            break;
        case State::normal:
            state = scan();
            break;
        case State::escapeDigits:
            if (i >= size) {
                text += QChar(escape);
                state = State::end;
            } else if (const int digit = digitValue(raw.at(i), escapeBase); digit >= 0) {
                escape = char16_t(escape * escapeBase + digit);
                ++i;
            } else {
                text += QChar(escape);
                state = State::normal;
            }
            break;
        case State::end:
            break;
        }
    }
    value.items.append(text);
    return value;
}

// A "@Variant(…)" value, decoded as the platform's reader decodes it when it
// holds a single number, Boolean or text. Anything else is some other type
// (returned as bytes, which no preference reads): a container's stream
// states its length before its items, and the platform's reader would
// reserve that many, so a few hand-edited bytes could claim gigabytes.
QVariant decodedVariant(QByteArray bytes)
{
    static constexpr std::array scalars{
        QMetaType::Bool,      QMetaType::Int,    QMetaType::UInt,    QMetaType::LongLong,
        QMetaType::ULongLong, QMetaType::Double, QMetaType::QString, QMetaType::QByteArray,
        QMetaType::Float,     QMetaType::Short,  QMetaType::UShort,  QMetaType::Char};
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 type = 0;
    stream >> type;
    if (stream.status() != QDataStream::Ok ||
        std::find(scalars.begin(), scalars.end(), int(type)) == scalars.end())
        return QByteArray();
    stream.device()->seek(0);
    QVariant decoded;
    stream >> decoded;
    return decoded;
}

// untranslated: the INI format's own type markers, here and below
QVariant typedText(const QString &text)
{
    if (!text.startsWith(u'@'))
        return text;
    if (text.endsWith(u')')) {
        if (text.startsWith(QLatin1String("@ByteArray(")))
            return QStringView(text).sliced(11).chopped(1).toLatin1();
        if (text.startsWith(QLatin1String("@String(")))
            return QStringView(text).sliced(8).chopped(1).toString();
        if (text.startsWith(QLatin1String("@Variant(")))
            return decodedVariant(QStringView(text).sliced(9).toLatin1());
        if (text.startsWith(QLatin1String("@DateTime(")))
            return QByteArray(); // a date: never one of vesk's values
        if (text == QLatin1String("@Invalid()"))
            return {};
    }
    if (text.startsWith(QLatin1String("@@")))
        return text.sliced(1);
    return text;
}

QVariant typed(const IniRawValue &raw)
{
    if (!raw.isList)
        return typedText(raw.items.value(0));
    QStringList texts = raw.items;
    for (QString &text : texts) {
        if (!text.startsWith(u'@'))
            continue;
        if (!text.startsWith(QLatin1String("@@"))) {
            QVariantList variants;
            for (const QString &item : raw.items)
                variants.append(typedText(item));
            return variants;
        }
        text.remove(0, 1);
    }
    return texts;
}

// A section's text: every stretch under a header of that name, joined by a
// line break as the platform's reader joins them, with where each stretch
// came from in the file.
struct SectionText
{
    struct Piece
    {
        qsizetype inText;
        qsizetype inFile;
        qsizetype length;
    };
    QByteArray text;
    QList<Piece> pieces;

    // Where [begin, end) of the text lies in the file, if in one piece.
    std::optional<std::pair<qsizetype, qsizetype>> inFile(qsizetype begin, qsizetype end) const
    {
        for (const Piece &piece : pieces) {
            if (begin >= piece.inText && end <= piece.inText + piece.length)
                return std::pair{piece.inFile + begin - piece.inText,
                                 piece.inFile + end - piece.inText};
        }
        return std::nullopt;
    }
};

// The line break the file uses, for lines vesk adds.
QByteArray lineBreakOf(QByteArrayView bytes)
{
    const qsizetype at = bytes.indexOf('\n');
    return at > 0 && bytes.at(at - 1) == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

// The start of the physical line after the one holding `pos`.
qsizetype nextLineStart(QByteArrayView bytes, qsizetype pos)
{
    while (pos < bytes.size() && bytes.at(pos) != '\n' && bytes.at(pos) != '\r')
        ++pos;
    if (pos < bytes.size() && bytes.at(pos) == '\r')
        ++pos;
    if (pos < bytes.size() && bytes.at(pos) == '\n')
        ++pos;
    return pos;
}

bool isPlainKey(const QString &key)
{
    if (key.isEmpty())
        return false;
    for (QChar c : key) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'_' && c != u'-' && c != u'.')
            return false;
    }
    return true;
}

} // namespace

IniDocument IniDocument::parse(const QByteArray &bytes)
{
    IniDocument document;
    document.m_bytes = bytes;
    const qsizetype offset = bytes.startsWith(bom) ? bom.size() : 0;
    const QByteArrayView data = QByteArrayView(bytes).sliced(offset);

    // First the sections, as stretches of text under their headers.
    QMap<QString, SectionText> sections;
    QString current; // "" for General, "Name/" for the others
    qsizetype currentStart = 0;
    const auto closeSection = [&](qsizetype end) {
        SectionText &section = sections[current];
        if (!section.text.isEmpty())
            section.text.append('\n');
        section.pieces.append({section.text.size(), offset + currentStart, end - currentStart});
        section.text += data.sliced(currentStart, end - currentStart);
    };
    qsizetype pos = 0;
    LogicalLine line;
    while (readLine(data, pos, line)) {
        const QByteArrayView content = data.sliced(line.start, line.length);
        if (!content.startsWith('['))
            continue;
        closeSection(line.start);
        qsizetype close = content.indexOf(']');
        if (close < 0)
            close = content.size();
        const QByteArrayView name = content.first(close).sliced(1).trimmed();
        if (name.compare("general", Qt::CaseInsensitive) == 0) {
            current.clear();
        } else if (name.compare("%general", Qt::CaseInsensitive) == 0) {
            current = QString::fromLatin1(name.sliced(1)) + u'/';
        } else {
            current = unescapedKey(name) + u'/';
        }
        currentStart = pos;
        if (current.isEmpty())
            document.m_generalStarts.append(offset + pos);
    }
    closeSection(line.start);
    document.m_generalStarts.prepend(offset);

    // Then each section's keys, in the order of their names; a later one of
    // the same name wins.
    for (auto [prefix, section] : sections.asKeyValueRange()) {
        qsizetype at = 0;
        while (readLine(section.text, at, line)) {
            if (line.equals < 0)
                continue;
            const QByteArrayView content =
                QByteArrayView(section.text).sliced(line.start, line.length);
            const qsizetype equals = line.equals - line.start;
            const QString key = unescapedKey(content.first(equals).trimmed(), prefix);
            document.m_entries.insert(key, unescapedValue(content.sliced(equals + 1)));
            if (prefix.isEmpty()) {
                const auto range = section.inFile(line.start, line.start + line.length);
                document.m_general.append(
                    {key, range ? range->first : -1, range ? range->second : -1});
            }
        }
    }
    return document;
}

QVariant IniDocument::value(const QString &key) const
{
    const auto found = m_entries.constFind(key);
    return found == m_entries.constEnd() ? QVariant() : typed(*found);
}

std::optional<QByteArray> IniDocument::withValue(const QString &key, QByteArrayView text) const
{
    if (!isPlainKey(key) || !needsNoEscaping(text))
        return std::nullopt;
    const QByteArray entry = key.toLatin1() + '=' + text.toByteArray();
    const QByteArray lineBreak = lineBreakOf(m_bytes);
    const qsizetype offset = m_bytes.startsWith(bom) ? bom.size() : 0;

    // Where the entry could go, the most natural first: in place of the one
    // that is read now, after the last entry of the section, after its
    // first header, under a new header at the top, at the very top.
    QList<QByteArray> candidates;
    const auto insertedAt = [&](qsizetype at, const QByteArray &lines) {
        QByteArray bytes = m_bytes;
        const bool needsBreak =
            at == bytes.size() && at > offset && bytes.back() != '\n' && bytes.back() != '\r';
        return bytes.insert(at, needsBreak ? lineBreak + lines : lines);
    };
    const Placed *last = nullptr;
    const Placed *lastPlaced = nullptr;
    for (const Placed &placed : m_general) {
        if (placed.key == key)
            last = &placed;
        if (placed.begin >= 0)
            lastPlaced = &placed;
    }
    if (last && last->begin >= 0) {
        // A line continued by a backslash keeps its last line break, so that
        // what followed it still starts a line of its own.
        qsizetype end = last->end;
        while (end > last->begin && (m_bytes.at(end - 1) == '\n' || m_bytes.at(end - 1) == '\r'))
            --end;
        candidates << QByteArray(m_bytes).replace(last->begin, end - last->begin, entry);
    }
    if (lastPlaced)
        candidates << insertedAt(nextLineStart(m_bytes, lastPlaced->end), entry + lineBreak);
    if (m_generalStarts.size() > 1)
        candidates << insertedAt(nextLineStart(m_bytes, m_generalStarts.at(1)), entry + lineBreak);
    else
        candidates << insertedAt(offset, "[General]" + lineBreak + entry + lineBreak);
    candidates << insertedAt(offset, entry + lineBreak);

    QMap<QString, IniRawValue> expected = m_entries;
    expected.insert(key, IniRawValue{false, {QString::fromLatin1(text)}});
    for (const QByteArray &candidate : std::as_const(candidates)) {
        if (parse(candidate).entries() == expected)
            return candidate;
    }
    return std::nullopt;
}

bool IniDocument::needsNoEscaping(QByteArrayView text)
{
    if (text.isEmpty() || text.front() == '@' || has(text.front(), space) ||
        has(text.back(), space))
        return false;
    for (char c : text) {
        if (c == '"' || c == '\\' || c == ',' || c == ';' || uchar(c) < 0x20 || uchar(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace vesk
