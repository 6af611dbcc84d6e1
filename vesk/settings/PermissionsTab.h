// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

namespace vesk {

// The settings window's Permissions tab: what vesk asks of the system, which
// is nothing.
class PermissionsTab : public QWidget
{
    Q_OBJECT

public:
    explicit PermissionsTab(QWidget *parent = nullptr);
};

} // namespace vesk
