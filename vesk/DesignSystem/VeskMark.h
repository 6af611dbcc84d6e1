// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

class QPainter;

namespace vesk {

// The brand mark: two overlapping leaves, optionally on a pale rounded tile.
// Drawn from code at any size; it looks the same in both appearances and is
// hidden from assistive technology.
class VeskMark : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    // Decoration: screen readers skip it.
    QAccessible::Role accessibleRole() const override { return QAccessible::Graphic; }

    static constexpr qreal tileRadius = 19;

    explicit VeskMark(bool tile, QWidget *parent = nullptr);

    // Draws the mark into `rect`; used by the widget and wherever the mark is
    // needed as a picture (the About box).
    static void paint(QPainter &painter, const QRectF &rect, bool tile);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_tile;
};

} // namespace vesk
