// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QTextLayout;

namespace vesk {

// Measures, wraps and draws a text in one font with Qt's own line layout
// (QTextLayout): lines break at the Unicode line-break opportunities, and
// every glyph sits where the platform's shaping puts it. Layouts ask a
// wrapping label for its height at many widths; a layout pass at a new width
// costs a shaping, so the line count is kept for the widths asked lately and
// the lines themselves for the last width laid out.
class TextMeasure
{
public:
    // One line of the text: `length` characters from `start` of paragraph
    // `paragraph` (the text split at '\n'), `width` wide without trailing
    // spaces.
    struct Line
    {
        int paragraph = 0;
        int start = 0;
        int length = 0;
        qreal width = 0;
        friend bool operator==(const Line &, const Line &) = default;
    };

    TextMeasure(const QString &text, const QFont &font);
    ~TextMeasure();
    TextMeasure(TextMeasure &&) noexcept;
    TextMeasure &operator=(TextMeasure &&) noexcept;

    // Widest paragraph on one line.
    qreal naturalWidth() const { return m_naturalWidth; }
    // Widest stretch that cannot be broken.
    qreal longestWord() const;
    qreal lineSpacing() const { return m_lineSpacing; }
    int lineCount(qreal width) const;
    qreal height(qreal width) const;

    // Every line when wrapped at `width`; a negative width keeps each
    // paragraph on one line. A word wider than `width` gets a line of its own.
    QList<Line> lines(qreal width) const;
    // The glyphs of each line wrapped at `width`, where draw() puts them
    // with the origin at (0, 0) and the lines aligned left.
    QList<QList<QGlyphRun>> glyphRuns(qreal width) const;
    // Draws the text wrapped at `width`, its first line's top at `origin`,
    // each line aligned by `alignment` in a box `boxWidth` wide.
    void draw(QPainter &painter, QPointF origin, qreal width, qreal boxWidth,
              Qt::Alignment alignment) const;
    // Draws the text on one line from the left of `box`, centred in its
    // height as QPainter::drawText centres a line, and cut at the box's edges
    // where it does not fit.
    void drawCentredLine(QPainter &painter, const QRectF &box) const;

private:
    // Lays every paragraph out at `width` unless it already is.
    void layOut(qreal width) const;
    qreal effectiveWidth(qreal width) const;

    std::vector<std::unique_ptr<QTextLayout>> m_paragraphs;
    qreal m_lineSpacing = 0;
    qreal m_lineHeight = 0;
    qreal m_naturalWidth = 0;
    mutable qreal m_longestWord = -1; // measured when first asked
    mutable qreal m_laidOutAt = -2;
    // Line counts by width, most recent first.
    mutable QList<std::pair<qreal, int>> m_counts;
};

} // namespace vesk
