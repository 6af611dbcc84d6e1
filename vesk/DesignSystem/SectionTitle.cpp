// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SectionTitle.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"

#include <QHBoxLayout>

namespace vesk {

SectionTitle::SectionTitle(const QString &title, const QString &subtitle, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *titleLabel = new TextLabel(title, Fonts::ui(17, QFont::DemiBold), Palette::Role::ink);
    titleLabel->setHeading(true);
    layout->addWidget(titleLabel, 0, Qt::AlignBaseline);
    layout->addStretch(1);
    if (!subtitle.isEmpty()) {
        layout->addWidget(new TextLabel(subtitle, Fonts::ui(11), Palette::Role::secondary), 0,
                          Qt::AlignBaseline);
    }
}

} // namespace vesk
