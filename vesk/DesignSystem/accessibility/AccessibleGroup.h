// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "AccessiblePaintedText.h"

#include <QAccessibleWidget>

namespace vesk {

class AccessibleKind;

// A widget that holds others and reads with the role its class declares
// (AccessibleKind): a group of segments, a tab list, a card, a chart. Its
// children are its widgets, then the list of the items it draws, if any,
// then the texts it paints itself; one that reads as one node keeps them to
// itself.
class AccessibleGroup : public QAccessibleWidget
{
public:
    AccessibleGroup(QWidget *widget, const AccessibleKind *kind);
    ~AccessibleGroup() override;
    AccessibleGroup(const AccessibleGroup &) = delete;
    AccessibleGroup &operator=(const AccessibleGroup &) = delete;

    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    // The list of the items the widget draws; null when it draws none.
    QAccessibleInterface *itemList() const;

private:
    int itemListCount() const;

    const AccessibleKind *m_kind;
    mutable QAccessible::Id m_itemList = 0;
    PaintedTextNodes m_painted;
};

} // namespace vesk
