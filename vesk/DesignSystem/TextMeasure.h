// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>

#include <memory>

class QTextLayout;

namespace vesk {

// Measures, wraps and shapes a text for one font. Shaping is the dearest part
// of a layout pass, and layouts ask a wrapping label for its height at many
// widths; so each paragraph is shaped once, on one long line, and wrapping at
// any width is then arithmetic over the word positions, with the glyphs of
// each wrapped line taken from that single shaping.
class TextMeasure
{
public:
    // One line of a wrapped paragraph: `count` words from `first`.
    struct Line
    {
        int first = 0;
        int count = 0;
        qreal width = 0;
        friend bool operator==(const Line &, const Line &) = default;
    };

    // The glyphs of one wrapped line, to be drawn at (x + offset, top of the
    // line); `width` is what the line's words cover.
    struct ShapedLine
    {
        QList<QGlyphRun> runs;
        qreal offset = 0;
        qreal width = 0;
        QString text;
    };

    TextMeasure(const QString &text, const QFont &font);
    ~TextMeasure();
    TextMeasure(TextMeasure &&) noexcept;
    TextMeasure &operator=(TextMeasure &&) noexcept;

    // Greedy line breaking: as many words on a line as fit in `width`; a word
    // wider than `width` gets a line of its own. `gaps[i]` is the space
    // before word i (ignored at the start of a line).
    static QList<Line> breakLines(const QList<qreal> &wordWidths, const QList<qreal> &gaps,
                                  qreal width);

    // Widest paragraph on one line.
    qreal naturalWidth() const { return m_naturalWidth; }
    qreal longestWord() const { return m_longestWord; }
    qreal lineSpacing() const { return m_lineSpacing; }
    int lineCount(qreal width) const;
    qreal height(qreal width) const;
    // Every line when wrapped at `width`; a negative width keeps each
    // paragraph on one line.
    QList<ShapedLine> lines(qreal width) const;

private:
    struct Paragraph
    {
        QString text;
        std::unique_ptr<QTextLayout> layout;
        QList<int> starts;    // where each word begins in `text`
        QList<int> lengths;   // and how many characters it has
        QList<qreal> lefts;   // its left edge on the unwrapped line
        QList<qreal> widths;  // its advance
        QList<qreal> gaps;    // the space before it
        int spacesBefore = 0; // while measuring: spaces after the last word
    };
    QList<Line> breakParagraph(const Paragraph &paragraph, qreal width) const;

    std::vector<Paragraph> m_paragraphs;
    qreal m_lineSpacing = 0;
    qreal m_lineHeight = 0;
    qreal m_naturalWidth = 0;
    qreal m_longestWord = 0;
};

} // namespace vesk
