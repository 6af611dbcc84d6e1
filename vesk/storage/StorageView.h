// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Page.h"
#include "DesignSystem/Sheet.h"
#include "SharedObjects.h"
#include "VeskCore/Models.h"

#include <QPointer>

class QVBoxLayout;

namespace vesk {

class InfoNote;
class SegmentedControl;
class Treemap;

// The demo disk four ways: a treemap of one folder at a time to drill into,
// and the large, old and duplicate files of the whole disk. Files open a
// detail sheet; the duplicates can be compared side by side. The mode lives
// in the navigation state; the drilled path and the thresholds belong to the
// screen.
class StorageView : public Page
{
    Q_OBJECT

public:
    static constexpr int treemapHeight = 300;

    explicit StorageView(SharedObjects shared, QWidget *parent = nullptr);

    // The names from the disk root down to the node, joined with " / ";
    // `fallback` when the node is not in the tree.
    static QString pathText(const StorageNode &root, const QString &id, const QString &fallback);
    // The folders that contain the node, root first; empty when not found.
    static QString foldersText(const StorageNode &root, const QString &id);
    static QString modeNote(StorageMode mode);

    QList<StorageNode> path() const { return m_path; }
    StorageNode current() const;
    Treemap *treemap() const { return m_treemap; }
    Sheet *openSheet() const { return m_sheet; }

    // Drills into a folder, or opens a file's detail sheet.
    void openNode(const StorageNode &node);
    void cutPath(qsizetype length);
    void setMinimumGB(int value);
    void setOlderThanDays(int value);
    void showComparison();

private:
    void showMode();
    QWidget *buildMosaic();
    QWidget *buildList(StorageMode mode);
    QWidget *buildFilterRow(StorageMode mode);

    SharedObjects m_shared;
    StorageNode m_root;
    QList<StorageNode> m_path;
    int m_minimumGB = 8;
    int m_olderThanDays = 180;
    SegmentedControl *m_modes;
    QVBoxLayout *m_panelLayout;
    QPointer<QWidget> m_panel;
    InfoNote *m_note = nullptr;
    QVBoxLayout *m_noteLayout;
    Treemap *m_treemap = nullptr;
    QPointer<Sheet> m_sheet;
};

} // namespace vesk
