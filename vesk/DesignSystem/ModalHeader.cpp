// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ModalHeader.h"

#include "DemoBadge.h"
#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"

#include <QVBoxLayout>

namespace vesk {

ModalHeader::ModalHeader(const QString &title, const QString &subtitle, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(new DemoBadge, 0, Qt::AlignLeft);
    auto *titleLabel =
        new TextLabel(title, Fonts::rounded(25, QFont::DemiBold), Palette::Role::ink);
    titleLabel->setWordWrap(true);
    titleLabel->setHeading(true);
    layout->addWidget(titleLabel);
    auto *sub = new TextLabel(subtitle, Fonts::ui(13), Palette::Role::secondary);
    sub->setWordWrap(true);
    layout->addWidget(sub);
}

} // namespace vesk
