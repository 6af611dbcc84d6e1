// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessibleItemList.h"

namespace vesk {

AccessibleItemList::AccessibleItemList(QWidget *owner, const AccessibleKind *kind)
    : m_owner(owner), m_items(owner, kind, AccessiblePaintedText::Part::item, this)
{}

bool AccessibleItemList::isValid() const
{
    return m_owner;
}

QWindow *AccessibleItemList::window() const
{
    return m_owner ? m_owner->window()->windowHandle() : nullptr;
}

QAccessibleInterface *AccessibleItemList::parent() const
{
    return m_owner ? QAccessible::queryAccessibleInterface(m_owner) : nullptr;
}

int AccessibleItemList::indexOfChild(const QAccessibleInterface *child) const
{
    return m_items.indexOf(child);
}

QAccessibleInterface *AccessibleItemList::childAt(int x, int y) const
{
    for (int i = 0; i < m_items.count(); ++i) {
        if (QAccessibleInterface *item = m_items.at(i); item && item->rect().contains(x, y))
            return item;
    }
    return nullptr;
}

QRect AccessibleItemList::rect() const
{
    if (!m_owner)
        return {};
    return QRect(m_owner->mapToGlobal(QPoint(0, 0)), m_owner->size());
}

QAccessible::State AccessibleItemList::state() const
{
    QAccessible::State s;
    s.invisible = !m_owner || !m_owner->isVisible();
    s.readOnly = true;
    return s;
}

} // namespace vesk
