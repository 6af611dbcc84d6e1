// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "NavigationState.h"

namespace vesk {

NavigationState::NavigationState(Section selection, QObject *parent)
    : QObject(parent), m_selection(selection)
{}

void NavigationState::setSelection(Section value)
{
    if (m_selection == value)
        return;
    m_selection = value;
    emit selectionChanged();
}

void NavigationState::setStorageMode(StorageMode value)
{
    if (m_storageMode == value)
        return;
    m_storageMode = value;
    emit storageModeChanged();
}

void NavigationState::showLargeFiles()
{
    setStorageMode(StorageMode::large);
    setSelection(Section::storage);
}

} // namespace vesk
