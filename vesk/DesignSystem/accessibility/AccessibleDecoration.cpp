// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessibleDecoration.h"

#include <QWidget>

namespace vesk {

AccessibleDecoration::AccessibleDecoration(QWidget *widget)
    : QAccessibleWidget(widget, QAccessible::Graphic)
{}

QString AccessibleDecoration::text(QAccessible::Text) const
{
    return {};
}

QAccessible::State AccessibleDecoration::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = true;
    return s;
}

} // namespace vesk
