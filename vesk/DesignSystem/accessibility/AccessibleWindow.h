// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAccessibleWidget>

namespace vesk {

// A top-level window of vesk's own (the settings window): announced as a
// window, named by its title, active while it has the keyboard.
class AccessibleWindow : public QAccessibleWidget
{
public:
    explicit AccessibleWindow(QWidget *window);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
};

} // namespace vesk
