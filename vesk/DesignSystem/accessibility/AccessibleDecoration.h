// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAccessibleWidget>

namespace vesk {

// A purely decorative picture (the brand mark, a symbol tile): an unnamed,
// invisible graphic that screen readers skip.
class AccessibleDecoration : public QAccessibleWidget
{
public:
    explicit AccessibleDecoration(QWidget *widget);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
};

} // namespace vesk
