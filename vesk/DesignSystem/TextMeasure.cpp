// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TextMeasure.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <limits>

namespace vesk {

TextMeasure::TextMeasure(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    m_lineHeight = metrics.height();
    m_lineSpacing = metrics.lineSpacing();
    const qreal space = metrics.horizontalAdvance(QLatin1Char(' '));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        Paragraph paragraph;
        paragraph.text = line;
        paragraph.layout = std::make_unique<QTextLayout>(line, font);
        // vesk's texts are Catalan: one left-to-right run in any layout
        // direction, so "18 %" never reads "% 18" in a mirrored window.
        QTextOption leftToRight;
        leftToRight.setTextDirection(Qt::LeftToRight);
        paragraph.layout->setTextOption(leftToRight);
        // Keep the shaped glyphs past endLayout(): lines() draws from them.
        paragraph.layout->setCacheEnabled(true);
        // One layout line per word (with the spaces after it), placed end to
        // end: the paragraph is shaped once, each line's natural width is its
        // word's advance, and the glyphs of any run of words can be taken
        // from the layout at the positions of one long line.
        paragraph.layout->beginLayout();
        int position = 0;
        while (position < line.size() && line.at(position) == QLatin1Char(' '))
            ++position;
        if (position > 0) {
            QTextLine leading = paragraph.layout->createLine();
            leading.setNumColumns(position);
        }
        qreal x = 0;
        while (position < line.size()) {
            int end = position;
            while (end < line.size() && line.at(end) != QLatin1Char(' '))
                ++end;
            int next = end;
            while (next < line.size() && line.at(next) == QLatin1Char(' '))
                ++next;
            QTextLine word = paragraph.layout->createLine();
            if (!word.isValid())
                break;
            word.setNumColumns(next - position);
            const qreal width = word.naturalTextWidth();
            const qreal gap = paragraph.starts.isEmpty() ? 0 : space * paragraph.spacesBefore;
            x += gap;
            word.setPosition(QPointF(x, 0));
            paragraph.gaps << gap;
            paragraph.starts << position;
            paragraph.lengths << end - position;
            paragraph.lefts << x;
            paragraph.widths << width;
            m_longestWord = qMax(m_longestWord, width);
            x += width;
            paragraph.spacesBefore = next - end;
            position = next;
        }
        paragraph.layout->endLayout();
        m_naturalWidth = qMax(m_naturalWidth, x);
        m_paragraphs.push_back(std::move(paragraph));
    }
}

TextMeasure::~TextMeasure() = default;
TextMeasure::TextMeasure(TextMeasure &&) noexcept = default;
TextMeasure &TextMeasure::operator=(TextMeasure &&) noexcept = default;

QList<TextMeasure::Line> TextMeasure::breakLines(const QList<qreal> &wordWidths,
                                                 const QList<qreal> &gaps, qreal width)
{
    QList<Line> lines;
    Line line;
    for (int i = 0; i < wordWidths.size(); ++i) {
        const qreal word = wordWidths.at(i);
        const qreal gap = gaps.value(i);
        if (line.count > 0 && line.width + gap + word > width) {
            lines << line;
            line = Line{i, 0, 0};
        }
        line.width += (line.count > 0 ? gap : 0) + word;
        ++line.count;
    }
    // An empty paragraph still takes a line.
    lines << line;
    return lines;
}

QList<TextMeasure::Line> TextMeasure::breakParagraph(const Paragraph &paragraph, qreal width) const
{
    if (width < 0) {
        const qreal natural =
            paragraph.starts.isEmpty()
                ? 0
                : paragraph.lefts.last() + paragraph.widths.last() - paragraph.lefts.first();
        return {Line{0, int(paragraph.starts.size()), natural}};
    }
    return breakLines(paragraph.widths, paragraph.gaps, width);
}

int TextMeasure::lineCount(qreal width) const
{
    int count = 0;
    for (const Paragraph &paragraph : m_paragraphs)
        count += int(breakParagraph(paragraph, width).size());
    return count;
}

qreal TextMeasure::height(qreal width) const
{
    const int count = lineCount(width);
    return count > 0 ? m_lineHeight + (count - 1) * m_lineSpacing : 0;
}

QList<TextMeasure::ShapedLine> TextMeasure::lines(qreal width) const
{
    QList<ShapedLine> result;
    for (const Paragraph &paragraph : m_paragraphs) {
        for (const Line &line : breakParagraph(paragraph, width)) {
            ShapedLine shaped;
            shaped.width = line.width;
            if (line.count > 0) {
                const int last = line.first + line.count - 1;
                const int from = paragraph.starts.at(line.first);
                const int to = paragraph.starts.at(last) + paragraph.lengths.at(last);
                shaped.runs = paragraph.layout->glyphRuns(from, to - from);
                shaped.offset = -paragraph.lefts.at(line.first);
                shaped.text = paragraph.text.mid(from, to - from);
            }
            result << shaped;
        }
    }
    return result;
}

} // namespace vesk
