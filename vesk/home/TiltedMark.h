// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

namespace vesk {

// The home screen's brand mark: the leaves without their tile, turned by −8°,
// on a soft circle. Decorative.
class TiltedMark : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    // Decoration: screen readers skip it.
    QAccessible::Role accessibleRole() const override { return QAccessible::Graphic; }

    static constexpr int markSide = 155;
    static constexpr int circleSide = 158;
    static constexpr qreal tiltDegrees = -8;

    explicit TiltedMark(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vesk
