// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QAbstractButton>

namespace vesk {

// One segment of a SegmentedControl: checkable, auto-exclusive, drawn as a
// raised chip when checked.
class SegmentButton : public QAbstractButton, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    // One of a group of exclusive choices.
    QAccessible::Role accessibleRole() const override { return QAccessible::RadioButton; }

    explicit SegmentButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vesk
