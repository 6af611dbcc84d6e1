// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DonutFigure.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"

#include <QVBoxLayout>

namespace vesk {

DonutFigure::DonutFigure(const QString &figure, const QString &unit, QWidget *parent)
    : QWidget(parent)
{
    AccessibleFactory::install();
    setAccessibleName(figure + u' ' + unit);
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(3);
    auto *number = new TextLabel(figure, Fonts::rounded(29, QFont::DemiBold), Palette::Role::ink);
    number->setAlignment(Qt::AlignHCenter);
    auto *unitLabel = new TextLabel(unit, Fonts::ui(11), Palette::Role::secondary);
    unitLabel->setAlignment(Qt::AlignHCenter);
    stack->addWidget(number);
    stack->addWidget(unitLabel);
}

} // namespace vesk
