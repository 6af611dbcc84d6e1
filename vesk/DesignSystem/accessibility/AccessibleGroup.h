// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessiblePaintedText.h"

#include <QAccessibleWidget>

namespace vesk {

class AccessibleKind;

// A widget that holds others and reads with the role its class declares
// (AccessibleKind): a group of segments, a tab list, a card, a chart. Its
// children are its widgets, then the texts it paints itself; one that reads
// as one node keeps them to itself.
class AccessibleGroup : public QAccessibleWidget
{
public:
    AccessibleGroup(QWidget *widget, const AccessibleKind *kind);

    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    const AccessibleKind *m_kind;
    PaintedTextNodes m_painted;
};

} // namespace vesk
