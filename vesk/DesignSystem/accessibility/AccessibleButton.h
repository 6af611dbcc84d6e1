// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "AccessiblePaintedText.h"

#include <QAccessibleWidget>

#include <memory>

class QAbstractButton;

namespace vesk {

// The accessible face of every button of the app, check boxes included. Its
// actions ("Press", and "Toggle" for a checkable button) click the button,
// exactly as the mouse and the keyboard do, so whatever a button's owner
// listens to (clicked, toggled, a button group) hears the same thing from a
// screen reader. Qt's own interface toggles a checkable button without a
// click, which left the look changed and the state behind.
class AccessibleButton : public QAccessibleWidget
{
public:
    explicit AccessibleButton(QAbstractButton *button);

    // The role the button's class declares (AccessibleKind), else the one
    // of its kind of Qt button.
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;
    // The texts the button paints beside its name, as nodes of their own.
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    static QAccessible::Role roleOf(const QAbstractButton *button);

private:
    QAbstractButton *button() const;
    // Whether the button can be used: enabled, and not one that only reads.
    bool usable() const;
    std::unique_ptr<PaintedTextNodes> m_painted;
};

} // namespace vesk
