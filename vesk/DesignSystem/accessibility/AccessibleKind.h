// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAccessible>
#include <QObject>

namespace vesk {

// What a widget class of vesk is to assistive technology, declared by the
// class itself: a group of segments, a tab list, a chart, a window, a
// decoration. AccessibleFactory finds it with qobject_cast, so the role
// belongs to the type and holds whenever Qt first asks.
class AccessibleKind
{
public:
    virtual ~AccessibleKind() = default;

    virtual QAccessible::Role accessibleRole() const = 0;
    // Whether the widget reads as one node, its own name saying all its
    // children show (a figure set in two sizes).
    virtual bool readsAsOne() const { return false; }
};

} // namespace vesk

Q_DECLARE_INTERFACE(vesk::AccessibleKind, "cat.vesk.AccessibleKind")
