// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ApplicationSummary.h"

#include "DesignSystem/SymbolView.h"
#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "VeskCore/Display.h"
#include "VeskCore/Models.h"

#include <QHBoxLayout>

namespace vesk {

ApplicationSummary::ApplicationSummary(const DemoApplication &app, QWidget *parent)
    : QWidget(parent)
{
    AccessibleFactory::install();
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(7);
    row->addWidget(new SymbolView(app.symbol, 14, Palette::Role::ink));
    row->addWidget(new TextLabel(app.developer, Fonts::ui(13), Palette::Role::ink));
    row->addStretch(1);
    const QString total = Display::bytes(app.totalBytes());
    row->addWidget(new TextLabel(total, Fonts::ui(13, QFont::DemiBold), Palette::Role::ink));
    setAccessibleName(tr("%1, %2").arg(app.developer, total));
}

} // namespace vesk
