// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Treemap.h"

#include "TreemapBlock.h"
#include "TreemapLayout.h"

namespace vesk {

Treemap::Treemap(const QList<StorageNode> &nodes, QWidget *parent) : QWidget(parent)
{
    setAccessibleName(tr("Mosaic de la carpeta"));
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        auto *block = new TreemapBlock(nodes.at(i), i, this);
        connect(block, &TreemapBlock::clicked, this, [this, i] { emit blockActivated(int(i)); });
        m_blocks << block;
    }
    layoutBlocks();
}

void Treemap::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutBlocks();
}

void Treemap::layoutBlocks()
{
    QList<qint64> sizes;
    sizes.reserve(m_blocks.size());
    for (const TreemapBlock *block : std::as_const(m_blocks))
        sizes << block->node().bytes;
    // Blocks of a dropped list get no tile and stay hidden.
    QList<bool> placed(m_blocks.size(), false);
    for (const TreemapLayout::Tile &tile : TreemapLayout::tiles(sizes, QRectF(rect()))) {
        m_blocks.at(tile.index)->setCell(tile.rect);
        placed[tile.index] = true;
    }
    for (qsizetype i = 0; i < m_blocks.size(); ++i)
        m_blocks.at(i)->setVisible(placed.at(i) && !m_blocks.at(i)->size().isEmpty());
}

} // namespace vesk
