// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SourceLiterals.h"

#include <QRegularExpression>
#include <QSet>

namespace SourceLiterals {

namespace {

class Scanner
{
public:
    explicit Scanner(const QString &source) : m_s(source) {}

    QList<Literal> run()
    {
        bool lineStart = true;
        while (m_i < m_s.size()) {
            const QChar c = m_s.at(m_i);
            if (c == QLatin1Char('\n')) {
                ++m_line;
                ++m_i;
                lineStart = true;
                continue;
            }
            if (c.isSpace()) {
                ++m_i;
                continue;
            }
            if (lineStart && c == QLatin1Char('#')) {
                skipPreprocessorLine();
                continue;
            }
            lineStart = false;
            if (startsWith("//")) {
                lineComment();
            } else if (startsWith("/*")) {
                blockComment();
            } else if (c == QLatin1Char('"')) {
                stringLiteral();
            } else if (c == QLatin1Char('\'')) {
                characterLiteral();
            } else if (c.isLetterOrNumber() || c == QLatin1Char('_')) {
                identifier();
            } else if (startsWith("::")) {
                m_i += 2;
                m_afterIdentifier = !m_identifier.isEmpty();
            } else {
                punctuation(c);
                ++m_i;
            }
        }
        for (Literal &literal : m_literals)
            literal.markedUntranslated =
                m_marked.contains(literal.line) || m_marked.contains(literal.line - 1);
        return m_literals;
    }

private:
    bool startsWith(const char *text) const
    {
        return QStringView(m_s).mid(m_i).startsWith(QLatin1String(text));
    }

    void skipPreprocessorLine()
    {
        while (m_i < m_s.size() && m_s.at(m_i) != QLatin1Char('\n')) {
            if (m_s.at(m_i) == QLatin1Char('\\') && m_i + 1 < m_s.size() &&
                m_s.at(m_i + 1) == QLatin1Char('\n')) {
                ++m_line;
                ++m_i;
            }
            ++m_i;
        }
    }

    void lineComment()
    {
        const qsizetype end = m_s.indexOf(QLatin1Char('\n'), m_i);
        const QString comment = m_s.mid(m_i, end < 0 ? -1 : end - m_i);
        if (comment.contains(QLatin1String("untranslated:")))
            m_marked.insert(m_line);
        m_i = end < 0 ? m_s.size() : end;
    }

    void blockComment()
    {
        const qsizetype end = m_s.indexOf(QLatin1String("*/"), m_i + 2);
        const qsizetype stop = end < 0 ? m_s.size() : end + 2;
        m_line += int(QStringView(m_s).mid(m_i, stop - m_i).count(QLatin1Char('\n')));
        m_i = stop;
    }

    void characterLiteral()
    {
        // A quote right after a digit is a digit separator (3'200'000), but
        // not after an encoding prefix (u'x', U'x', L'x', u8'x').
        static const QStringList prefixes{QStringLiteral("u"), QStringLiteral("U"),
                                          QStringLiteral("L"), QStringLiteral("u8")};
        const bool prefixed =
            m_afterIdentifier && m_identifierEnd == m_i && prefixes.contains(m_identifier);
        if (!prefixed && m_i > 0 && m_s.at(m_i - 1).isLetterOrNumber()) {
            ++m_i;
            return;
        }
        ++m_i;
        while (m_i < m_s.size() && m_s.at(m_i) != QLatin1Char('\'')) {
            if (m_s.at(m_i) == QLatin1Char('\\'))
                ++m_i;
            ++m_i;
        }
        ++m_i;
        m_afterIdentifier = false;
    }

    void stringLiteral()
    {
        const int line = m_line;
        // A prefix such as u8 or R was read as an identifier just before.
        const bool raw =
            m_afterIdentifier && m_identifier.endsWith(QLatin1Char('R')) && m_identifierEnd == m_i;
        QString text = raw ? rawBody() : quotedBody();
        // Adjacent literals are one string to the compiler.
        for (;;) {
            qsizetype j = m_i;
            int newlines = 0;
            while (j < m_s.size() && m_s.at(j).isSpace()) {
                newlines += m_s.at(j) == QLatin1Char('\n');
                ++j;
            }
            if (j >= m_s.size() || m_s.at(j) != QLatin1Char('"'))
                break;
            m_line += newlines;
            m_i = j;
            text += quotedBody();
        }
        m_literals.append({line, text, m_calls.isEmpty() ? QString() : m_calls.last(), false});
        m_afterIdentifier = false;
    }

    QString quotedBody()
    {
        QString text;
        ++m_i;
        while (m_i < m_s.size() && m_s.at(m_i) != QLatin1Char('"')) {
            if (m_s.at(m_i) == QLatin1Char('\\') && m_i + 1 < m_s.size()) {
                text += m_s.at(m_i + 1);
                m_i += 2;
                continue;
            }
            if (m_s.at(m_i) == QLatin1Char('\n'))
                ++m_line;
            text += m_s.at(m_i++);
        }
        ++m_i;
        return text;
    }

    QString rawBody()
    {
        const qsizetype open = m_s.indexOf(QLatin1Char('('), m_i);
        const QString delimiter =
            QLatin1Char(')') + m_s.mid(m_i + 1, open - m_i - 1) + QLatin1Char('"');
        const qsizetype close = m_s.indexOf(delimiter, open);
        const qsizetype end = close < 0 ? m_s.size() : close;
        const QString text = m_s.mid(open + 1, end - open - 1);
        m_line += int(text.count(QLatin1Char('\n')));
        m_i = close < 0 ? m_s.size() : close + delimiter.size();
        return text;
    }

    void identifier()
    {
        const qsizetype start = m_i;
        while (m_i < m_s.size() &&
               (m_s.at(m_i).isLetterOrNumber() || m_s.at(m_i) == QLatin1Char('_')))
            ++m_i;
        m_identifier = m_s.mid(start, m_i - start);
        m_identifierEnd = m_i;
        m_afterIdentifier = true;
    }

    void punctuation(QChar c)
    {
        if (c == QLatin1Char('(')) {
            m_calls.append(m_afterIdentifier ? m_identifier : QString());
        } else if (c == QLatin1Char(')')) {
            if (!m_calls.isEmpty())
                m_calls.removeLast();
        }
        m_afterIdentifier = false;
    }

    const QString &m_s;
    qsizetype m_i = 0;
    int m_line = 1;
    QString m_identifier;
    qsizetype m_identifierEnd = -1;
    bool m_afterIdentifier = false;
    QStringList m_calls;
    QSet<int> m_marked;
    QList<Literal> m_literals;
};

} // namespace

QList<Literal> scan(const QString &source)
{
    return Scanner(source).run();
}

bool looksLikeText(const QString &text)
{
    static const QRegularExpression fileName(QStringLiteral(R"(^[^/]+\.[a-z0-9]{2,6}$)"));
    static const QRegularExpression words(QStringLiteral(R"(\p{L}{2,}\s+\p{L})"));
    static const QRegularExpression capitalised(QStringLiteral(R"(^\p{Lu}[\p{Ll}·’']+$)"));
    if (text.contains(QLatin1Char('/')) || fileName.match(text).hasMatch())
        return false;
    const bool nonAsciiLetter = std::any_of(
        text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0x7f && c.isLetter(); });
    return nonAsciiLetter || words.match(text).hasMatch() || capitalised.match(text).hasMatch();
}

bool isTranslatedOrLogged(const QString &call)
{
    static const QSet<QString> calls = {
        QStringLiteral("tr"),
        QStringLiteral("translate"),
        QStringLiteral("QT_TR_NOOP"),
        QStringLiteral("QT_TRANSLATE_NOOP"),
        QStringLiteral("QT_TR_N_NOOP"),
        QStringLiteral("QT_TRANSLATE_N_NOOP"),
        QStringLiteral("qtTrId"),
        QStringLiteral("QT_TRID_NOOP"),
        QStringLiteral("qDebug"),
        QStringLiteral("qInfo"),
        QStringLiteral("qWarning"),
        QStringLiteral("qCritical"),
        QStringLiteral("qFatal"),
        QStringLiteral("Q_ASSERT_X"),
        QStringLiteral("static_assert"),
    };
    return calls.contains(call);
}

QList<Literal> untranslatedTexts(const QString &source)
{
    QList<Literal> result;
    for (const Literal &literal : scan(source)) {
        if (looksLikeText(literal.text) && !isTranslatedOrLogged(literal.call) &&
            !literal.markedUntranslated)
            result.append(literal);
    }
    return result;
}

} // namespace SourceLiterals
