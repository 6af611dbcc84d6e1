// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

namespace vesk {

// The row of the settings window's tabs, read as a tab list.
class SettingsTabList : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    explicit SettingsTabList(QWidget *parent = nullptr);

    QAccessible::Role accessibleRole() const override { return QAccessible::PageTabList; }
};

} // namespace vesk
