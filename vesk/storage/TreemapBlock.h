// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "VeskCore/Models.h"

#include <QAbstractButton>

namespace vesk {

// One block of the treemap: a rounded tile in the data colour of its position,
// labelled with whatever fits (symbol, name, size, kind). A button, so it can
// be reached with Tab and opened with Space or Enter.
class TreemapBlock : public QAbstractButton
{
    Q_OBJECT

public:
    // What a cell of this size shows.
    struct Label
    {
        bool symbol;
        bool name;
        bool largeName; // 16 points rather than 12
        bool kind;
        int padding;
    };
    static Label labelFor(QSizeF cell);

    // Which of the label's lines (heights in order, `required` the one that
    // is always shown) fit whole in `available` points with `spacing`
    // between them: the optional ones go first, from the last. Empty when
    // not even the required line fits: a label is drawn whole or not at all.
    static QList<qsizetype> fittingLines(const QList<qreal> &heights, qsizetype required,
                                         qreal spacing, qreal available);
    // What a label shows in a block `blockHeight` high whose padded content
    // is `contentHeight` high: the symbol whenever the cell is tall enough
    // for one, and the lines that fit whole below it. When lines would be
    // left out, the vertical padding gives way first (`loose`), as a stack
    // taller than its frame spreads into its padding.
    struct Arrangement
    {
        bool symbol = false;
        QList<qsizetype> lines;
        bool loose = false;
    };
    static constexpr qreal symbolSize = 19;
    static constexpr qreal spacing = 7;
    static Arrangement arrange(const Label &label, const QList<qreal> &heights, qsizetype required,
                               qreal contentHeight, qreal blockHeight);
    // "folder", "lock" or "doc".
    static QString symbolFor(const StorageNode &node);

    TreemapBlock(const StorageNode &node, qsizetype index, QWidget *parent = nullptr);

    const StorageNode &node() const { return m_node; }
    // The cell this block stands in; the block itself is inset 2.5 in it.
    void setCell(const QRectF &cell);
    QRectF cell() const { return m_cell; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    StorageNode m_node;
    qsizetype m_index;
    QRectF m_cell;
};

} // namespace vesk
