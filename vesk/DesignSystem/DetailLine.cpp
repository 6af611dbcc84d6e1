// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DetailLine.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"

#include <QHBoxLayout>

namespace vesk {

DetailLine::DetailLine(const QString &title, const QString &value, QWidget *parent)
    : QWidget(parent)
{
    AccessibleFactory::install();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 5, 0, 5);
    auto *key = new TextLabel(title, Fonts::ui(13), Palette::Role::secondary);
    auto *shown = new TextLabel(value, Fonts::ui(13), Palette::Role::ink);
    shown->setAlignment(Qt::AlignRight | Qt::AlignTop);
    shown->setWordWrap(true);
    layout->setSpacing(16);
    // The value takes the rest of the row and aligns to its end, so it wraps
    // only when the row is really too narrow.
    layout->addWidget(key, 0, Qt::AlignTop);
    layout->addWidget(shown, 1);
    setAccessibleName(title + QStringLiteral(": ") + value);
}

} // namespace vesk
