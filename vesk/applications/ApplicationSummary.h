// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

namespace vesk {

struct DemoApplication;

// The line under an application sheet's header: the developer with the
// application's symbol, and the total the application takes. Read as one
// item, one of the facts its sheet says on opening.
class ApplicationSummary : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    explicit ApplicationSummary(const DemoApplication &app, QWidget *parent = nullptr);

    QAccessible::Role accessibleRole() const override { return QAccessible::ListItem; }
    bool readsAsOne() const override { return true; }
};

} // namespace vesk
