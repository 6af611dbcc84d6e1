// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessiblePicker.h"

#include "DesignSystem/Picker.h"

#include <QAbstractItemView>

namespace vesk {

AccessiblePicker::AccessiblePicker(Picker *picker)
    : QAccessibleWidget(picker, QAccessible::ComboBox)
{}

Picker *AccessiblePicker::picker() const
{
    return static_cast<Picker *>(widget());
}

QString AccessiblePicker::chosen() const
{
    return picker()->currentText();
}

void *AccessiblePicker::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessiblePicker::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        // Given by its title (FieldTitle) or by the screen; a picker without
        // one is named by what it shows, as Qt's is.
        const QString name = QAccessibleWidget::text(t);
        return name.isEmpty() ? chosen() : name;
    }
    case QAccessible::Value:
        return chosen();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State AccessiblePicker::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = picker()->view()->isVisible();
    s.collapsed = !s.expanded;
    s.hasPopup = true;
    return s;
}

int AccessiblePicker::childCount() const
{
    return 1;
}

QAccessibleInterface *AccessiblePicker::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(picker()->view()) : nullptr;
}

int AccessiblePicker::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == picker()->view() ? 0 : -1;
}

QAccessibleInterface *AccessiblePicker::childAt(int, int) const
{
    return nullptr;
}

QStringList AccessiblePicker::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void AccessiblePicker::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (picker()->view()->isVisible())
        picker()->hidePopup();
    else
        picker()->showPopup();
}

QStringList AccessiblePicker::keyBindingsForAction(const QString &) const
{
    return {};
}

QString AccessiblePicker::text(int startOffset, int endOffset) const
{
    return chosen().mid(startOffset, endOffset - startOffset);
}

int AccessiblePicker::characterCount() const
{
    return int(chosen().size());
}

void AccessiblePicker::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QRect AccessiblePicker::characterRect(int) const
{
    return {};
}

int AccessiblePicker::offsetAtPoint(const QPoint &) const
{
    return -1;
}

QString AccessiblePicker::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

} // namespace vesk
