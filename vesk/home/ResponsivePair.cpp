// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ResponsivePair.h"

#include <QBoxLayout>

namespace vesk {

ResponsivePair::ResponsivePair(QWidget *first, int firstMinimum, QWidget *second, int secondMinimum,
                               int spacing, QWidget *parent)
    : QWidget(parent), m_first(first), m_second(second), m_firstMinimum(firstMinimum),
      m_secondMinimum(secondMinimum), m_spacing(spacing),
      m_layout(new QBoxLayout(QBoxLayout::LeftToRight, this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(spacing);
    m_layout->addWidget(first, 1, Qt::AlignTop);
    m_layout->addWidget(second, 1, Qt::AlignTop);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    arrange(true);
}

QSize ResponsivePair::minimumSizeHint() const
{
    return {qMin(m_firstMinimum, m_secondMinimum), m_layout->minimumSize().height()};
}

void ResponsivePair::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const bool fits = fitsSideBySide(width(), m_firstMinimum, m_secondMinimum, m_spacing);
    if (fits != m_sideBySide)
        arrange(fits);
}

void ResponsivePair::arrange(bool sideBySide)
{
    m_sideBySide = sideBySide;
    m_layout->setDirection(sideBySide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    m_first->setMinimumWidth(sideBySide ? m_firstMinimum : 0);
    m_second->setMinimumWidth(sideBySide ? m_secondMinimum : 0);
    m_layout->setAlignment(m_first, sideBySide ? Qt::AlignTop : Qt::Alignment());
    m_layout->setAlignment(m_second, sideBySide ? Qt::AlignTop : Qt::Alignment());
    updateGeometry();
}

} // namespace vesk
