// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

namespace vesk {

// A symbol in the accent colour on a soft wash tile: a rounded square, or a
// circle when the radius is half the side. Decorative beside its text.
class SymbolTile : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    // Decoration: screen readers skip it.
    QAccessible::Role accessibleRole() const override { return QAccessible::Graphic; }

    SymbolTile(const QString &symbol, int side, qreal symbolSize, qreal radius,
               QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    qreal m_symbolSize;
    qreal m_radius;
};

} // namespace vesk
