// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QComboBox>

class QItemSelection;
class QKeyEvent;

namespace vesk {

// A pop-up picker whose entries a screen reader can choose as a click does:
// selecting an entry through the accessibility interface (its action, or
// the list's selection) chooses it, with the `activated` signal a click
// sends. Moving through the open list with the arrows only moves, as ever.
//
// The arrow and page keys open the list at the current entry instead of
// changing a closed picker behind the user's back, as a pop-up button does
// on a Mac: the change is then made in the list, where a screen reader
// reads every entry it passes (a closed combo box's new value never reaches
// one through Qt 6.4's bridge).
//
// A screen reader hears it as its title, then the chosen entry
// (AccessiblePicker); its open list says the chosen entry after itself, as
// the list takes the focus before its current entry is known.
class Picker : public QComboBox
{
    Q_OBJECT

public:
    explicit Picker(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chooseSelected(const QItemSelection &selected);
    void announceCurrentEntry();
};

} // namespace vesk
