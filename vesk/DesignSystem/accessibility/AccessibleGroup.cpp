// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DesignSystem/accessibility/AccessibleGroup.h"

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

namespace vesk {

AccessibleGroup::AccessibleGroup(QWidget *widget, const AccessibleKind *kind)
    : QAccessibleWidget(widget, kind->accessibleRole()), m_kind(kind), m_painted(widget, kind)
{}

QAccessible::Role AccessibleGroup::role() const
{
    return m_kind->accessibleRole();
}

int AccessibleGroup::childCount() const
{
    return m_kind->readsAsOne() ? 0 : QAccessibleWidget::childCount() + m_painted.count();
}

QAccessibleInterface *AccessibleGroup::child(int index) const
{
    if (m_kind->readsAsOne())
        return nullptr;
    const int widgets = QAccessibleWidget::childCount();
    return index < widgets ? QAccessibleWidget::child(index) : m_painted.at(index - widgets);
}

int AccessibleGroup::indexOfChild(const QAccessibleInterface *child) const
{
    if (m_kind->readsAsOne())
        return -1;
    if (const int painted = m_painted.indexOf(child); painted >= 0)
        return QAccessibleWidget::childCount() + painted;
    return QAccessibleWidget::indexOfChild(child);
}

} // namespace vesk
