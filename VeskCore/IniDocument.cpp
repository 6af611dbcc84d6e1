// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "IniDocument.h"

namespace vesk {

namespace {

constexpr QByteArrayView bom("\xEF\xBB\xBF");

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isSpace(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && (isSpace(text.back()) || text.back() == '\r'))
        text.chop(1);
    return text;
}

// A section header's name, when the line is one.
std::optional<QByteArrayView> sectionName(QByteArrayView line)
{
    line = trimmed(line);
    if (!line.startsWith('['))
        return std::nullopt;
    line = line.sliced(1);
    const qsizetype close = line.indexOf(']');
    return close < 0 ? line : line.first(close);
}

// The key of a "key=value" line, and where its value starts.
std::optional<std::pair<QByteArrayView, qsizetype>> keyOf(QByteArrayView line)
{
    const QByteArrayView start = trimmed(line);
    if (start.isEmpty() || start.front() == ';' || start.front() == '#' || start.front() == '[')
        return std::nullopt;
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    const QByteArrayView key = trimmed(line.first(equals));
    if (key.isEmpty())
        return std::nullopt;
    return std::pair{key, equals + 1};
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

IniDocument IniDocument::parse(const QByteArray &bytes)
{
    IniDocument document;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\n' && bytes.at(end) != '\r')
            ++end;
        qsizetype next = end;
        if (next < bytes.size() && bytes.at(next) == '\r')
            ++next;
        if (next < bytes.size() && bytes.at(next) == '\n')
            ++next;
        document.m_lines.append({bytes.mid(start, end - start), bytes.mid(end, next - end)});
        start = next;
    }
    return document;
}

QByteArray IniDocument::toBytes() const
{
    QByteArray bytes;
    for (const Line &line : m_lines)
        bytes += line.content + line.ending;
    return bytes;
}

QByteArrayView IniDocument::contentAt(qsizetype index) const
{
    QByteArrayView content = m_lines.at(index).content;
    if (index == 0 && content.startsWith(bom))
        content = content.sliced(bom.size());
    return content;
}

qsizetype IniDocument::lineOf(QByteArrayView key) const
{
    qsizetype found = -1;
    bool general = true; // keys before any header belong to General
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QByteArrayView content = contentAt(i);
        if (const auto section = sectionName(content)) {
            general = *section == "General"; // untranslated: the INI section name
            continue;
        }
        if (!general)
            continue;
        if (const auto entry = keyOf(content); entry && entry->first == key)
            found = i; // the last one wins
    }
    return found;
}

std::optional<IniValue> IniDocument::value(QByteArrayView key) const
{
    const qsizetype line = lineOf(key);
    if (line < 0)
        return std::nullopt;
    const QByteArrayView content = contentAt(line);
    return unescape(content.sliced(keyOf(content)->second));
}

IniValue IniDocument::unescape(QByteArrayView raw)
{
    QList<QByteArray> items{QByteArray()};
    bool quoted = false;
    bool sawQuote = false;
    QByteArray pendingSpace; // spaces are kept only when more text follows
    const auto append = [&](QByteArrayView bytes) {
        items.last() += pendingSpace;
        pendingSpace.clear();
        items.last() += bytes;
    };
    raw = trimmed(raw);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw.at(i);
        if (c == '"') {
            quoted = !quoted;
            sawQuote = true;
            continue;
        }
        if (!quoted && c == ';')
            break; // a comment to the end of the line
        if (!quoted && c == ',') {
            pendingSpace.clear();
            items.append(QByteArray());
            while (i + 1 < raw.size() && isSpace(raw.at(i + 1)))
                ++i;
            continue;
        }
        if (!quoted && isSpace(c)) {
            if (!items.last().isEmpty())
                pendingSpace += c;
            continue;
        }
        if (c == '\\' && i + 1 < raw.size()) {
            const char e = raw.at(++i);
            switch (e) {
            case 'a':
                append("\a");
                break;
            case 'b':
                append("\b");
                break;
            case 'f':
                append("\f");
                break;
            case 'n':
                append("\n");
                break;
            case 'r':
                append("\r");
                break;
            case 't':
                append("\t");
                break;
            case 'v':
                append("\v");
                break;
            case 'x': {
                char32_t code = 0;
                int digits = 0;
                while (i + 1 < raw.size() && hexDigit(raw.at(i + 1)) >= 0 && digits < 4) {
                    code = code * 16 + char32_t(hexDigit(raw.at(++i)));
                    ++digits;
                }
                append(QString(QChar(char16_t(code))).toUtf8());
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    int code = e - '0';
                    for (int n = 0; n < 2 && i + 1 < raw.size() && raw.at(i + 1) >= '0' &&
                                    raw.at(i + 1) <= '7';
                         ++n)
                        code = code * 8 + (raw.at(++i) - '0');
                    append(QString(QChar(char16_t(code))).toUtf8());
                } else {
                    append(QByteArrayView(&e, 1)); // \\ \" \' \? and anything else
                }
            }
            continue;
        }
        append(QByteArrayView(&c, 1));
    }
    if (items.size() > 1)
        return {IniValue::Kind::list, QString()};
    const QString text = QString::fromUtf8(items.first());
    if (!sawQuote && text.startsWith(u'@')) {
        if (text.startsWith(u"@@"))
            return {IniValue::Kind::text, text.mid(1)};
        if (text.endsWith(u')'))
            return {IniValue::Kind::other, text};
    }
    return {IniValue::Kind::text, text};
}

bool IniDocument::needsNoEscaping(QByteArrayView text)
{
    if (text.isEmpty() || text.front() == '@' || isSpace(text.front()) || isSpace(text.back()))
        return false;
    for (char c : text) {
        if (c == '"' || c == '\\' || c == ',' || c == ';' || c == '\n' || c == '\r' ||
            uchar(c) < 0x20 || uchar(c) >= 0x80)
            return false;
    }
    return true;
}

qsizetype IniDocument::insertionPoint() const
{
    // After the last key line of the General section's first block, which
    // is where a new key of it is read as General.
    bool general = true;
    qsizetype after = -1;
    bool sawHeader = false;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (const auto section = sectionName(contentAt(i))) {
            if (general && (after >= 0 || sawHeader))
                return after + 1;
            general = *section == "General";
            sawHeader = sawHeader || general;
            if (general)
                after = i;
            continue;
        }
        if (general && keyOf(contentAt(i)))
            after = i;
    }
    return general && (after >= 0 || sawHeader) ? after + 1 : -1;
}

void IniDocument::setValue(QByteArrayView key, QByteArrayView text)
{
    const QByteArray content = key.toByteArray() + '=' + text.toByteArray();
    const qsizetype line = lineOf(key);
    if (line >= 0) {
        const bool withBom = line == 0 && m_lines.at(0).content.startsWith(bom);
        m_lines[line].content = withBom ? bom.toByteArray() + content : content;
        return;
    }
    qsizetype at = insertionPoint();
    if (at < 0) {
        // No General section: one first in the file, as the platform writes it.
        const bool withBom = !m_lines.isEmpty() && m_lines.at(0).content.startsWith(bom);
        if (withBom)
            m_lines[0].content = m_lines.at(0).content.sliced(bom.size());
        const QByteArray header =
            withBom ? bom.toByteArray() + "[General]" : QByteArray("[General]");
        m_lines.insert(0, Line{header, "\n"});
        at = 1;
    }
    // The line before needs an ending if it was the file's last.
    if (at > 0 && m_lines.at(at - 1).ending.isEmpty())
        m_lines[at - 1].ending = "\n";
    m_lines.insert(at, Line{content, "\n"});
}

} // namespace vesk
