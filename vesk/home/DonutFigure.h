// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

namespace vesk {

// The free space in the donut's centre: the figure in large rounded type over
// its unit. Seen as one figure, it reads as one ("128 GB lliures").
class DonutFigure : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    DonutFigure(const QString &figure, const QString &unit, QWidget *parent = nullptr);

    QAccessible::Role accessibleRole() const override { return QAccessible::StaticText; }
    bool readsAsOne() const override { return true; }
};

} // namespace vesk
