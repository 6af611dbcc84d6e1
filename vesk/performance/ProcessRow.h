// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

namespace vesk {

// One demo process: its symbol, name, processor share and memory. Read as
// one line, "name: share, memory", so a figure is never heard without the
// process it belongs to.
class ProcessRow : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    ProcessRow(const QString &name, const QString &cpu, const QString &memory,
               QWidget *parent = nullptr);

    QAccessible::Role accessibleRole() const override { return QAccessible::StaticText; }
    bool readsAsOne() const override { return true; }
};

} // namespace vesk
