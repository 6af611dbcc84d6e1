// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessibleGroup.h"

#include "AccessibleItemList.h"
#include "AccessibleKind.h"

#include <QWidget>

namespace vesk {

AccessibleGroup::AccessibleGroup(QWidget *widget, const AccessibleKind *kind)
    : QAccessibleWidget(widget, kind->accessibleRole()), m_kind(kind), m_painted(widget, kind)
{}

AccessibleGroup::~AccessibleGroup()
{
    if (m_itemList)
        QAccessible::deleteAccessibleInterface(m_itemList);
}

QAccessible::Role AccessibleGroup::role() const
{
    return m_kind->accessibleRole();
}

int AccessibleGroup::itemListCount() const
{
    return m_kind->items().isEmpty() ? 0 : 1;
}

QAccessibleInterface *AccessibleGroup::itemList() const
{
    if (!itemListCount())
        return nullptr;
    if (!m_itemList)
        m_itemList =
            QAccessible::registerAccessibleInterface(new AccessibleItemList(widget(), m_kind));
    return QAccessible::accessibleInterface(m_itemList);
}

int AccessibleGroup::childCount() const
{
    return m_kind->readsAsOne()
               ? 0
               : QAccessibleWidget::childCount() + itemListCount() + m_painted.count();
}

QAccessibleInterface *AccessibleGroup::child(int index) const
{
    if (m_kind->readsAsOne())
        return nullptr;
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets)
        return QAccessibleWidget::child(index);
    const int lists = itemListCount();
    return index < widgets + lists ? itemList() : m_painted.at(index - widgets - lists);
}

int AccessibleGroup::indexOfChild(const QAccessibleInterface *child) const
{
    if (m_kind->readsAsOne())
        return -1;
    if (m_itemList && child == QAccessible::accessibleInterface(m_itemList))
        return QAccessibleWidget::childCount();
    if (const int painted = m_painted.indexOf(child); painted >= 0)
        return QAccessibleWidget::childCount() + itemListCount() + painted;
    return QAccessibleWidget::indexOfChild(child);
}

} // namespace vesk
