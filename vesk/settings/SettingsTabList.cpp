// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SettingsTabList.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"

namespace vesk {

SettingsTabList::SettingsTabList(QWidget *parent) : QWidget(parent)
{
    AccessibleFactory::install();
}

} // namespace vesk
