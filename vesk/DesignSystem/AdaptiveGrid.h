// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

class QGridLayout;

namespace vesk {

// A grid of equal-width columns, as many as fit at a minimum width with a fixed
// gap; the items fill the columns left to right and wrap onto further rows.
class AdaptiveGrid : public QWidget
{
    Q_OBJECT

public:
    AdaptiveGrid(int minimumColumnWidth, int spacing, QWidget *parent = nullptr);

    // How many columns of at least `minimum` with `spacing` between fit in
    // `width`; at least one.
    static int columnCount(int width, int minimum, int spacing);

    void addWidget(QWidget *widget);
    int columns() const { return m_columns; }

    // Never wider than one column needs, so the page can always narrow it
    // and it then re-arranges itself.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void arrange(int columns);

    int m_minimum;
    int m_spacing;
    int m_columns = 0;
    QList<QWidget *> m_items;
    QGridLayout *m_grid;
};

} // namespace vesk
