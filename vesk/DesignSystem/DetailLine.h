// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

namespace vesk {

// A key and its value on one row, the value right-aligned and wrapping.
// Read as one item, "key: value", so the key is never heard apart from its
// value; a sheet says its lines when it opens (Sheet).
class DetailLine : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    DetailLine(const QString &title, const QString &value, QWidget *parent = nullptr);

    QAccessible::Role accessibleRole() const override { return QAccessible::ListItem; }
    bool readsAsOne() const override { return true; }
};

} // namespace vesk
