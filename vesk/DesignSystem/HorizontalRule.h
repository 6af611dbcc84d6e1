// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Palette.h"

#include <QWidget>

namespace vesk {

// A one-pixel line across the full width, in a palette colour and opacity.
class HorizontalRule : public QWidget
{
    Q_OBJECT

public:
    HorizontalRule(Palette::Role role, qreal opacity, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Palette::Role m_role;
    qreal m_opacity;
};

} // namespace vesk
