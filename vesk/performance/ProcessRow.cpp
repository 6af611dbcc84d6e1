// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ProcessRow.h"

#include "DesignSystem/Icons.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"

#include <QHBoxLayout>

namespace vesk {

ProcessRow::ProcessRow(const QString &name, const QString &cpu, const QString &memory,
                       QWidget *parent)
    : QWidget(parent)
{
    AccessibleFactory::install();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 5, 0, 5);
    layout->setSpacing(10);
    layout->addWidget(new SymbolView("app"_symbol, 13, Palette::Role::accent));
    layout->addWidget(new TextLabel(name, Fonts::ui(12), Palette::Role::ink), 1);
    layout->addWidget(new TextLabel(cpu, Fonts::ui(12), Palette::Role::ink));
    auto *shownMemory = new TextLabel(memory, Fonts::ui(12), Palette::Role::secondary);
    shownMemory->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    shownMemory->setFixedWidth(85);
    layout->addWidget(shownMemory);
    setAccessibleName(tr("%1: %2, %3").arg(name, cpu, memory));
}

} // namespace vesk
