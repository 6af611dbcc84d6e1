// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAccessibleWidget>

namespace vesk {

class Picker;

// The accessible face of a picker: a combo box, as Qt's own, whose list is
// its child and whose action opens and closes it, with two differences.
// Its name is its title (the label beside it, or the name it was given),
// where Qt's on Linux is the chosen entry; and the chosen entry is its value
// and its text. Qt 6.4's combo box has no text and, closed, no selection, so
// a screen reader found no value: a titled picker said only its title.
class AccessiblePicker : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessiblePicker(Picker *picker);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

    // The chosen entry, read only.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    Picker *picker() const;
    QString chosen() const;
};

} // namespace vesk
