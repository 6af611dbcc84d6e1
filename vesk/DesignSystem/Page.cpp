// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Page.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"

#include "VeskCore/Preferences.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk {

Page::Page(Preferences &preferences, QWidget *parent)
    : QScrollArea(parent), m_preferences(preferences)
{
    AccessibleFactory::install();
    setFrameShape(QFrame::NoFrame);
    // Focus goes to the controls inside: a key they leave (Page Down, the
    // arrows) still reaches the page and scrolls it.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Window);

    auto *canvas = new QWidget;
    canvas->setBackgroundRole(QPalette::Window);
    auto *centring = new QHBoxLayout(canvas);
    centring->setContentsMargins(0, 0, 0, 0);
    centring->setSpacing(0);

    auto *column = new QWidget;
    column->setMaximumWidth(maximumColumnWidth);
    m_column = new QVBoxLayout(column);
    m_column->setContentsMargins(padding, padding, padding, padding);
    m_column->setSpacing(spacing(m_preferences.compactCards()));

    centring->addStretch(0);
    centring->addWidget(column, 1);
    centring->addStretch(0);
    setWidget(canvas);

    connect(&m_preferences, &Preferences::compactCardsChanged, this,
            [this] { m_column->setSpacing(spacing(m_preferences.compactCards())); });
}

void Page::addWidget(QWidget *widget)
{
    m_column->addWidget(widget);
}

void Page::addLayout(QLayout *layout)
{
    m_column->addLayout(layout);
}

void Page::addStretch()
{
    m_column->addStretch(1);
}

} // namespace vesk
