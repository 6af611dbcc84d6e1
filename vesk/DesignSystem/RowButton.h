// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAbstractButton>

namespace vesk {

// A list row that is one button: it lays out child widgets like any widget,
// but they let clicks through, so the whole rectangle reacts. It can be
// reached with Tab and pressed with Space or Enter, and shows focus.
class RowButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit RowButton(QWidget *parent = nullptr);

    // Makes the children added so far transparent to the mouse.
    void letClicksThrough();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace vesk
