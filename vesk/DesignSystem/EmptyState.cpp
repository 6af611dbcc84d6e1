// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "EmptyState.h"

#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "SymbolView.h"

#include <QVBoxLayout>

namespace vesk {

EmptyState::EmptyState(const QString &title, const QString &symbol, const QString &description,
                       QWidget *parent)
    : QWidget(parent)
{
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 24, 0, 24);
    stack->setSpacing(8);
    stack->addWidget(new SymbolView(symbol, 30, Palette::Role::secondary), 0, Qt::AlignHCenter);
    auto *heading = new TextLabel(title, Fonts::ui(16, QFont::DemiBold), Palette::Role::ink);
    heading->setAlignment(Qt::AlignHCenter);
    stack->addWidget(heading);
    auto *hint = new TextLabel(description, Fonts::ui(12), Palette::Role::secondary);
    hint->setAlignment(Qt::AlignHCenter);
    hint->setWordWrap(true);
    stack->addWidget(hint);
    setAccessibleName(title);
    setAccessibleDescription(description);
}

} // namespace vesk
