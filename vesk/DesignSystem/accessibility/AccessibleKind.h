// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

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
    // Whether a control reads as unavailable although it takes the focus:
    // shown, reachable by Tab and heard, but it cannot be used.
    virtual bool readsAsUnavailable() const { return false; }

    // A text the widget paints itself, where it paints it (in the widget's
    // coordinates). Each is read as a node of its own, as a label would be.
    struct PaintedText
    {
        QString text;
        QRect rect;
    };
    // The texts the widget paints that its own name does not already say.
    virtual QList<PaintedText> paintedTexts() const { return {}; }
    // The parts it draws that a person moves through one at a time (a
    // chart's points), each read as an item named by its text, and which of
    // them is current (-1 for none). They come before the painted texts.
    virtual QList<PaintedText> items() const { return {}; }
    virtual int currentItem() const { return -1; }
};

} // namespace vesk

Q_DECLARE_INTERFACE(vesk::AccessibleKind, "cat.vesk.AccessibleKind")
