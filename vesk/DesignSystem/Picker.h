// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QComboBox>

class QItemSelection;

namespace vesk {

// A pop-up picker whose entries a screen reader can choose as a click does:
// selecting an entry through the accessibility interface (its action, or
// the list's selection) chooses it, with the `activated` signal a click
// sends. Moving through the open list with the arrows only moves, as ever.
class Picker : public QComboBox
{
    Q_OBJECT

public:
    explicit Picker(QWidget *parent = nullptr);

private:
    void chooseSelected(const QItemSelection &selected);
};

} // namespace vesk
