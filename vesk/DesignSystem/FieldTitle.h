// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Palette.h"

#include <QLabel>

namespace vesk {

// The visible title of a picker, field or toggle. A QLabel, because the
// Linux accessibility bridge takes a control's label from a QLabel buddy
// (the "labelled by" relation) and names a combo box only by its current
// value; painted in a palette colour looked up at paint time.
class FieldTitle : public QLabel
{
    Q_OBJECT

public:
    FieldTitle(const QString &text, QWidget *control, Palette::Role role = Palette::Role::ink,
               QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Palette::Role m_role;
};

} // namespace vesk
