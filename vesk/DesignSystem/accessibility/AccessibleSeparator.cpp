// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessibleSeparator.h"

#include <QWidget>

namespace vesk {

AccessibleSeparator::AccessibleSeparator(QWidget *rule)
    : QAccessibleWidget(rule, QAccessible::Separator)
{}

QString AccessibleSeparator::text(QAccessible::Text) const
{
    return {};
}

} // namespace vesk
