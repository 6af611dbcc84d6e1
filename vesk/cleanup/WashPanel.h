// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

namespace vesk {

// A block on the soft wash colour in a rounded rectangle; its children go in
// the layout the caller sets.
class WashPanel : public QWidget
{
    Q_OBJECT

public:
    explicit WashPanel(qreal radius, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal m_radius;
};

} // namespace vesk
