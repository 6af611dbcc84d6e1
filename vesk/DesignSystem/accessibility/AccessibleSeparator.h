// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAccessibleWidget>

namespace vesk {

// A dividing line: a separator with nothing to read.
class AccessibleSeparator : public QAccessibleWidget
{
public:
    explicit AccessibleSeparator(QWidget *rule);

    QString text(QAccessible::Text t) const override;
};

} // namespace vesk
