// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "PageHeader.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"

#include <QVBoxLayout>

namespace vesk {

PageHeader::PageHeader(const QString &eyebrow, const QString &title, const QString &subtitle,
                       QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(9);

    if (!eyebrow.isEmpty()) {
        layout->addWidget(new TextLabel(eyebrow, Fonts::tracked(Fonts::ui(10, QFont::Bold), 2),
                                        Palette::Role::accent));
    }
    m_title = new TextLabel(title, Fonts::rounded(32, QFont::DemiBold), Palette::Role::ink);
    m_title->setHeading(true);
    layout->addWidget(m_title);
    if (!subtitle.isEmpty()) {
        auto *sub = new TextLabel(subtitle, Fonts::ui(13), Palette::Role::secondary);
        sub->setWordWrap(true);
        layout->addWidget(sub);
    }
}

} // namespace vesk
