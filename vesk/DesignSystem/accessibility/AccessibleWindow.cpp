// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessibleWindow.h"

#include <QWidget>

namespace vesk {

AccessibleWindow::AccessibleWindow(QWidget *window) : QAccessibleWidget(window, QAccessible::Window)
{}

QString AccessibleWindow::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return widget()->windowTitle();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleWindow::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.active = widget()->isActiveWindow();
    return s;
}

} // namespace vesk
