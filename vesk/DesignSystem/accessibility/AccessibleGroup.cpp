// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DesignSystem/accessibility/AccessibleGroup.h"

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

namespace vesk {

AccessibleGroup::AccessibleGroup(QWidget *widget, const AccessibleKind *kind)
    : QAccessibleWidget(widget, kind->accessibleRole()), m_kind(kind)
{}

QAccessible::Role AccessibleGroup::role() const
{
    return m_kind->accessibleRole();
}

int AccessibleGroup::childCount() const
{
    return m_kind->readsAsOne() ? 0 : QAccessibleWidget::childCount();
}

QAccessibleInterface *AccessibleGroup::child(int index) const
{
    return m_kind->readsAsOne() ? nullptr : QAccessibleWidget::child(index);
}

int AccessibleGroup::indexOfChild(const QAccessibleInterface *child) const
{
    return m_kind->readsAsOne() ? -1 : QAccessibleWidget::indexOfChild(child);
}

} // namespace vesk
