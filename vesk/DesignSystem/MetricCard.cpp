// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "MetricCard.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "GaugeBar.h"
#include "MintBars.h"
#include "SymbolView.h"

#include <QBoxLayout>

namespace vesk {

namespace {
constexpr int cardPadding = 18;

// A one-line text of the card that never widens it: a figure longer than the
// card is cut at its edge rather than stretching the grid.
TextLabel *cardText(const QString &text, const QFont &font, Palette::Role role)
{
    auto *label = new TextLabel(text, font, role);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return label;
}
} // namespace

MetricCard::MetricCard(const QString &title, const QString &symbol, const QString &value,
                       const QString &detail, std::optional<double> fraction, const QString &note,
                       QWidget *parent)
    : Card(cardPadding, parent)
{
    AccessibleFactory::install();
    // The stack of the design: header, figure (spacing 4), gauge and note,
    // 13 between blocks, from the top.
    QVBoxLayout *stack = contentLayout();
    stack->setSpacing(13);

    auto *header = new QHBoxLayout;
    header->setSpacing(8);
    header->addWidget(cardText(title, Fonts::ui(11, QFont::Medium), Palette::Role::secondary), 1);
    header->addWidget(new SymbolView(symbol, 14, Palette::Role::accent));
    stack->addLayout(header);

    auto *figure = new QVBoxLayout;
    figure->setSpacing(4);
    figure->addWidget(cardText(value, Fonts::rounded(27, QFont::DemiBold), Palette::Role::ink));
    figure->addWidget(cardText(detail, Fonts::ui(10), Palette::Role::secondary));
    stack->addLayout(figure);

    if (fraction)
        stack->addWidget(new GaugeBar(*fraction, title, value, GaugeBar::Reading::figure));
    else
        stack->addWidget(new MintBars);
    stack->addWidget(cardText(note, Fonts::ui(10), Palette::Role::secondary));
    stack->addStretch(1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize MetricCard::sizeHint() const
{
    return {200, contentHeight + 2 * cardPadding + shadowBand};
}

QSize MetricCard::minimumSizeHint() const
{
    return {120, sizeHint().height()};
}

} // namespace vesk
