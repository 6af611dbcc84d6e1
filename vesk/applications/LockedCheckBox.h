// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QCheckBox>

namespace vesk {

// The check box of a component that cannot be chosen (a protected one, or
// any of a system application's). It looks disabled and never ticks, but
// it keeps its place in the Tab order and reads as unavailable: a disabled
// widget takes no focus, so a screen reader would pass it by unheard.
class LockedCheckBox : public QCheckBox, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    explicit LockedCheckBox(const QString &text, QWidget *parent = nullptr);

    QAccessible::Role accessibleRole() const override { return QAccessible::CheckBox; }
    bool readsAsUnavailable() const override { return true; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vesk
