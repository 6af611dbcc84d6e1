// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

namespace vesk {

// Five equal mint bars sharing the width: a metric card's gauge when it has
// no fraction. Decoration: screen readers skip it.
class MintBars : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    static constexpr int count = 5;
    static constexpr int gap = 5;
    static constexpr int barHeight = 4;

    explicit MintBars(QWidget *parent = nullptr);

    QAccessible::Role accessibleRole() const override { return QAccessible::Graphic; }
    QSize sizeHint() const override { return {120, barHeight}; }
    QSize minimumSizeHint() const override { return {count * 2 + (count - 1) * gap, barHeight}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vesk
