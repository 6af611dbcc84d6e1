// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QAbstractButton>

namespace vesk {

// One tab of the settings window: a symbol over its title, drawn in the accent
// on a soft fill when it is the current tab.
class SettingsTabButton : public QAbstractButton, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    // Selected, not checked, while its tab shows.
    QAccessible::Role accessibleRole() const override { return QAccessible::PageTab; }

    SettingsTabButton(const QString &symbol, const QString &title, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
};

} // namespace vesk
