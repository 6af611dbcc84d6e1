// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TextMeasure.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace vesk {

namespace {

// How many widths' line counts are kept: a layout pass asks a label about a
// handful of widths (its hint, its minimum, the width it gets, and on the way
// a width or two its layout tries first); a window going back and forth
// between two sizes (zoomed and not) asks about eight.
constexpr qsizetype rememberedWidths = 8;
// The width of a line that never wraps.
constexpr qreal unbounded = 1e6;

QTextOption optionFor(bool wrap)
{
    QTextOption option;
    // vesk's texts are Catalan: one left-to-right run in any layout
    // direction, so "18 %" never reads "% 18" in a mirrored window.
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    return option;
}

} // namespace

TextMeasure::TextMeasure(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    m_lineHeight = metrics.height();
    m_lineSpacing = metrics.lineSpacing();
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        auto layout = std::make_unique<QTextLayout>(paragraph, font);
        // Keep the shaped glyphs past endLayout(): draw() reads them.
        layout->setCacheEnabled(true);
        m_paragraphs.push_back(std::move(layout));
    }
    layOut(-1);
    for (const auto &layout : m_paragraphs)
        m_naturalWidth = qMax(m_naturalWidth, layout->lineAt(0).naturalTextWidth());
}

TextMeasure::~TextMeasure() = default;
TextMeasure::TextMeasure(TextMeasure &&) noexcept = default;
TextMeasure &TextMeasure::operator=(TextMeasure &&) noexcept = default;

qreal TextMeasure::longestWord() const
{
    if (m_longestWord < 0) {
        // At no width at all, every line is one stretch that cannot break.
        // (Measuring the stretches on the unwrapped line, or asking
        // QTextLayout::minimumWidth(), gives another figure for some texts.)
        m_longestWord = 0;
        for (const Line &line : lines(0))
            m_longestWord = qMax(m_longestWord, line.width);
    }
    return m_longestWord;
}

qreal TextMeasure::effectiveWidth(qreal width) const
{
    // A width the text fits in on one line per paragraph wraps nothing: the
    // unwrapped lines are the wrapped ones, and laying the text out again
    // (which shapes it again) is saved.
    return width < 0 || width >= m_naturalWidth ? -1 : width;
}

void TextMeasure::layOut(qreal width) const
{
    width = effectiveWidth(width);
    if (m_laidOutAt == width)
        return;
    const bool wrap = width >= 0;
    int count = 0;
    for (const auto &layout : m_paragraphs) {
        layout->setTextOption(optionFor(wrap));
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(wrap ? width : unbounded);
            line.setPosition(QPointF(0, count * m_lineSpacing));
            ++count;
        }
        layout->endLayout();
    }
    m_laidOutAt = width;
    m_counts.removeIf([width](const auto &entry) { return entry.first == width; });
    m_counts.prepend({width, count});
    if (m_counts.size() > rememberedWidths)
        m_counts.removeLast();
}

int TextMeasure::lineCount(qreal width) const
{
    width = effectiveWidth(width);
    for (qsizetype i = 0; i < m_counts.size(); ++i) {
        if (m_counts.at(i).first == width) {
            // Most recently asked first: the widths a layout probes on every
            // pass (its hint width, its minimum) stay while a resize brings
            // new ones.
            m_counts.move(i, 0);
            return m_counts.first().second;
        }
    }
    layOut(width);
    return m_counts.first().second;
}

qreal TextMeasure::height(qreal width) const
{
    const int count = lineCount(width);
    return count > 0 ? m_lineHeight + (count - 1) * m_lineSpacing : 0;
}

QList<TextMeasure::Line> TextMeasure::lines(qreal width) const
{
    layOut(width);
    QList<Line> result;
    for (int p = 0; p < int(m_paragraphs.size()); ++p) {
        const QTextLayout &layout = *m_paragraphs[size_t(p)];
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            result << Line{p, line.textStart(), line.textLength(), line.naturalTextWidth()};
        }
    }
    return result;
}

QList<QList<QGlyphRun>> TextMeasure::glyphRuns(qreal width) const
{
    layOut(width);
    QList<QList<QGlyphRun>> result;
    for (const auto &layout : m_paragraphs) {
        for (int i = 0; i < layout->lineCount(); ++i)
            result << layout->lineAt(i).glyphRuns();
    }
    return result;
}

void TextMeasure::draw(QPainter &painter, QPointF origin, qreal width, qreal boxWidth,
                       Qt::Alignment alignment) const
{
    layOut(width);
    for (const auto &layout : m_paragraphs) {
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            qreal x = origin.x();
            if (alignment & Qt::AlignRight)
                x += boxWidth - line.naturalTextWidth();
            else if (alignment & Qt::AlignHCenter)
                x += (boxWidth - line.naturalTextWidth()) / 2;
            line.draw(&painter, QPointF(x, origin.y()));
        }
    }
}

void TextMeasure::drawCentredLine(QPainter &painter, const QRectF &box) const
{
    const bool cut = m_naturalWidth > box.width() || m_lineHeight > box.height();
    if (cut) {
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
    }
    draw(painter, QPointF(box.left(), box.top() + (box.height() - m_lineHeight) / 2), -1,
         box.width(), Qt::AlignLeft);
    if (cut)
        painter.restore();
}

} // namespace vesk
