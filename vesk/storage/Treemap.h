// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "VeskCore/Models.h"

#include <QWidget>

namespace vesk {

class TreemapBlock;

// The contents of one folder as a mosaic of blocks whose areas follow their
// sizes, in the order given. The tiles are laid out afresh on every resize;
// a click (or Space or Enter on a focused block) reports the block's position.
class Treemap : public QWidget
{
    Q_OBJECT

public:
    explicit Treemap(const QList<StorageNode> &nodes, QWidget *parent = nullptr);

    QList<TreemapBlock *> blocks() const { return m_blocks; }

signals:
    // The position in the given nodes of the block that was opened. (A node
    // itself cannot travel in a signal: its type is recursive, which Qt's
    // meta-type traits do not support.)
    void blockActivated(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutBlocks();

    QList<TreemapBlock *> m_blocks;
};

} // namespace vesk
