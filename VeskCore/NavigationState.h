// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Models.h"

#include <QObject>

namespace vesk {

// Which section the main window shows and how the storage screen looks at the
// disk. Never persisted.
class NavigationState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(vesk::Section selection READ selection WRITE setSelection NOTIFY selectionChanged)
    Q_PROPERTY(vesk::StorageMode storageMode READ storageMode WRITE setStorageMode NOTIFY
                   storageModeChanged)

public:
    explicit NavigationState(Section selection, QObject *parent = nullptr);

    Section selection() const { return m_selection; }
    StorageMode storageMode() const { return m_storageMode; }

    void setSelection(Section value);
    void setStorageMode(StorageMode value);

    // The storage screen in its large-files mode: the mode first, so the screen
    // is created already showing it.
    void showLargeFiles();

signals:
    void selectionChanged();
    void storageModeChanged();

private:
    Section m_selection;
    StorageMode m_storageMode = StorageMode::mosaic;
};

} // namespace vesk
