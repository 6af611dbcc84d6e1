// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QLineEdit>

namespace vesk {

// The inventory's search field. Escape empties it, as a Mac's search fields
// do; its clear button, like theirs, is for the pointer and takes no focus.
// Emptied from the keyboard, it says so: a screen reader does not read the
// removal of text it has no key to explain.
class SearchField : public QLineEdit
{
    Q_OBJECT

public:
    explicit SearchField(const QString &placeholder, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace vesk
