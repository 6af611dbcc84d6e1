// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TreemapBlock.h"

#include "DesignSystem/FocusRing.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/text/Fonts.h"
#include "VeskCore/Display.h"

#include <QKeyEvent>
#include <QPainter>

namespace vesk {

namespace {
constexpr qreal gap = 2.5;

// Up to two lines, broken between words; what does not fit ends in "…".
QStringList twoLines(const QString &text, const QFont &font, qreal width)
{
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(text) <= width)
        return {text};
    const QStringList words = text.split(QLatin1Char(' '));
    QString first = words.first();
    qsizetype used = 1;
    while (used < words.size() &&
           metrics.horizontalAdvance(first + QLatin1Char(' ') + words.at(used)) <= width)
        first += QLatin1Char(' ') + words.at(used++);
    if (used == words.size())
        return {metrics.elidedText(first, Qt::ElideRight, width)};
    const QString rest = QStringList(words.mid(used)).join(QLatin1Char(' '));
    return {metrics.elidedText(first, Qt::ElideRight, width),
            metrics.elidedText(rest, Qt::ElideRight, width)};
}
} // namespace

QList<qsizetype> TreemapBlock::fittingLines(const QList<qreal> &heights, qsizetype required,
                                            qreal spacing, qreal available)
{
    QList<qsizetype> kept;
    for (qsizetype i = 0; i < heights.size(); ++i)
        kept << i;
    const auto total = [&] {
        qreal sum = 0;
        for (qsizetype i : std::as_const(kept))
            sum += heights.at(i);
        return sum + spacing * qMax<qsizetype>(0, kept.size() - 1);
    };
    // Optional lines leave from the last one.
    for (qsizetype i = heights.size() - 1; i >= 0 && total() > available; --i) {
        if (i != required)
            kept.removeOne(i);
    }
    if (total() > available)
        kept.clear();
    return kept;
}

TreemapBlock::Arrangement TreemapBlock::arrange(const Label &label, const QList<qreal> &heights,
                                                qsizetype required, qreal contentHeight,
                                                qreal blockHeight)
{
    const qreal symbolBlock = label.symbol ? symbolSize + spacing : 0;
    Arrangement arrangement{label.symbol,
                            fittingLines(heights, required, spacing, contentHeight - symbolBlock)};
    if (arrangement.lines.size() < heights.size()) {
        const QList<qsizetype> loose =
            fittingLines(heights, required, spacing, blockHeight - symbolBlock);
        if (loose.size() > arrangement.lines.size()) {
            arrangement.lines = loose;
            arrangement.loose = true;
        }
    }
    return arrangement;
}

TreemapBlock::Label TreemapBlock::labelFor(QSizeF cell)
{
    return {cell.height() > 85, cell.width() > 60, cell.width() > 170,
            cell.height() > 135 && cell.width() > 120, cell.width() > 140 ? 18 : 10};
}

QString TreemapBlock::symbolFor(const StorageNode &node)
{
    if (node.isFolder())
        return "folder"_symbol;
    return node.isNoAccess() ? "lock"_symbol : "doc"_symbol;
}

TreemapBlock::TreemapBlock(const StorageNode &node, qsizetype index, QWidget *parent)
    : QAbstractButton(parent), m_node(node), m_index(index)
{
    const QString size = Display::bytes(node.bytes);
    setText(node.name);
    setToolTip(tr("%1 · %2").arg(node.name, size));
    setAccessibleName(tr("%1, %2, %3").arg(node.name, size, node.kind));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TreemapBlock::setCell(const QRectF &cell)
{
    m_cell = cell;
    // Neighbours 5 apart, the outer blocks 2.5 from the edge; a cell of no
    // width or height gives a block clamped to nothing.
    setGeometry(QRectF(cell.x() + gap, cell.y() + gap, qMax(cell.width() - 2 * gap, 0.0),
                       qMax(cell.height() - 2 * gap, 0.0))
                    .toRect());
}

void TreemapBlock::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TreemapBlock::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int colourIndex = int(m_index % 5);
    const QRectF area(rect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::colors().at(colourIndex));
    painter.setOpacity(isDown() ? 0.8 : 1.0);
    painter.drawRoundedRect(area, 10, 10);
    painter.setOpacity(1.0);
    FocusRing::paintIfVisible(painter, *this, area, 10);

    const Label label = labelFor(m_cell.size());
    const QColor ink = colourIndex == 0 ? Palette::white() : Palette::graphite();
    QRectF content = area.adjusted(label.padding, label.padding, -label.padding, -label.padding);
    if (content.width() <= 0)
        return;

    // Texts from the bottom up; the symbol, when shown, sits at the top.
    const QFont nameFont = Fonts::ui(label.largeName ? 16 : 12, QFont::DemiBold);
    QFont sizeFont = Fonts::ui(12);
    const QFont kindFont = Fonts::ui(10);
    const QString size = Display::bytes(m_node.bytes);
    // The size shrinks to 0.65 of itself before it is cut.
    const qreal natural = QFontMetricsF(sizeFont).horizontalAdvance(size);
    if (natural > content.width())
        sizeFont.setPixelSize(qMax(1, qRound(12 * qMax(0.65, content.width() / natural))));

    QList<std::pair<QFont, QString>> lines;
    if (label.name)
        lines.append({nameFont, m_node.name});
    lines.append({sizeFont, size});
    if (label.kind)
        lines.append({kindFont, m_node.kind});

    QList<qreal> heights;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QFontMetricsF metrics(lines.at(i).first);
        qreal h = metrics.height();
        if (label.name && i == 0) {
            // The name may take up to two lines.
            const QStringList name =
                twoLines(lines.at(i).second, lines.at(i).first, content.width());
            lines[i].second = name.join(QLatin1Char('\n'));
            h = metrics.height() + (name.size() - 1) * metrics.lineSpacing();
        }
        heights << h;
    }
    // Whole lines only: what does not fit in the padded block is left out,
    // and the vertical padding gives way before a line does.
    const qsizetype sizeLine = label.name ? 1 : 0;
    const Arrangement arrangement =
        arrange(label, heights, sizeLine, content.height(), area.height());
    const QList<qsizetype> &kept = arrangement.lines;
    if (kept.isEmpty())
        return;
    qreal textHeight = spacing * qreal(kept.size() - 1);
    for (qsizetype i : kept)
        textHeight += heights.at(i);
    const qreal symbolBlock = arrangement.symbol ? symbolSize + spacing : 0;
    if (arrangement.loose || textHeight + symbolBlock > content.height()) {
        // Taller than its frame: the whole stack, centred on the block.
        const qreal top = area.center().y() - (symbolBlock + textHeight) / 2;
        content.setTop(top);
        content.setBottom(top + symbolBlock + textHeight);
    }

    painter.setPen(ink);
    qreal y =
        arrangement.symbol ? content.bottom() - textHeight : content.center().y() - textHeight / 2;
    if (arrangement.symbol) {
        Icons::paint(painter, QRectF(content.left(), content.top(), symbolSize, symbolSize),
                     symbolFor(m_node), ink);
    }
    for (qsizetype i : std::as_const(kept)) {
        const auto &[font, text] = lines.at(i);
        painter.setFont(font);
        const QRectF line(content.left(), y, content.width(), heights.at(i));
        // The name is already broken into its lines; the others are elided.
        const QString shown =
            label.name && i == 0
                ? text
                : QFontMetricsF(font).elidedText(text, Qt::ElideRight, content.width());
        painter.drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextForceLeftToRight, shown);
        y += heights.at(i) + spacing;
    }
}

} // namespace vesk
