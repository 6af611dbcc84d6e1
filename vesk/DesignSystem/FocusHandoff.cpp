// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "FocusHandoff.h"

#include <QLineEdit>
#include <QWidget>

namespace vesk::FocusHandoff {

namespace {
bool takesTab(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
           widget->isVisibleTo(widget->window());
}

// A text field given focus by Tab selects its text and announces its caret
// before its focus; a screen reader then takes it as focused without a word.
// Handed over by the program, it keeps its text as it is and is announced.
Qt::FocusReason reasonFor(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) ? Qt::OtherFocusReason : Qt::TabFocusReason;
}
} // namespace

bool isInside(const QWidget *area)
{
    if (!area)
        return false;
    // The window's focus child, kept while another window (an alert) is active.
    const QWidget *focus = area->window()->focusWidget();
    return focus && (focus == area || area->isAncestorOf(focus));
}

bool give(QWidget *control)
{
    if (!control || !takesTab(control))
        return false;
    control->setFocus(reasonFor(control));
    return control->hasFocus();
}

bool toFirstControl(QWidget *area)
{
    if (!area)
        return false;
    // The tab chain from the area on is the order a person meets controls.
    for (QWidget *next = area->nextInFocusChain(); next && next != area;
         next = next->nextInFocusChain()) {
        if (!area->isAncestorOf(next))
            continue;
        if (takesTab(next)) {
            next->setFocus(reasonFor(next));
            return true;
        }
    }
    if (takesTab(area)) {
        area->setFocus(reasonFor(area));
        return true;
    }
    return false;
}

} // namespace vesk::FocusHandoff
