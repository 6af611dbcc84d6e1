// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AdaptiveGrid.h"

#include <QGridLayout>

namespace vesk {

AdaptiveGrid::AdaptiveGrid(int minimumColumnWidth, int spacing, QWidget *parent)
    : QWidget(parent), m_minimum(minimumColumnWidth), m_spacing(spacing),
      m_grid(new QGridLayout(this))
{
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(spacing);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
}

int AdaptiveGrid::columnCount(int width, int minimum, int spacing)
{
    if (minimum <= 0)
        return 1;
    return qMax(1, (width + spacing) / (minimum + spacing));
}

void AdaptiveGrid::addWidget(QWidget *widget)
{
    m_items << widget;
    arrange(columnCount(width(), m_minimum, m_spacing));
}

QSize AdaptiveGrid::minimumSizeHint() const
{
    return {m_minimum, m_grid->minimumSize().height()};
}

void AdaptiveGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int columns = columnCount(width(), m_minimum, m_spacing);
    if (columns != m_columns)
        arrange(columns);
}

void AdaptiveGrid::arrange(int columns)
{
    for (QWidget *item : std::as_const(m_items))
        m_grid->removeWidget(item);
    for (int c = 0; c < qMax(columns, m_columns); ++c)
        m_grid->setColumnStretch(c, c < columns ? 1 : 0);
    m_columns = columns;
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        // Equal columns: a card's own width never widens its column.
        m_items.at(i)->setSizePolicy(QSizePolicy::Ignored,
                                     m_items.at(i)->sizePolicy().verticalPolicy());
        m_grid->addWidget(m_items.at(i), int(i / columns), int(i % columns));
    }
    updateGeometry();
}

} // namespace vesk
