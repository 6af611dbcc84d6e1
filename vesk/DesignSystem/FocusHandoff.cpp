// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "FocusHandoff.h"

#include <QWidget>

namespace vesk::FocusHandoff {

namespace {
bool takesTab(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
           widget->isVisibleTo(widget->window());
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
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    if (takesTab(area)) {
        area->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

} // namespace vesk::FocusHandoff
