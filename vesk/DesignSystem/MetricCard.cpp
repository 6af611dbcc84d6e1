#include "MetricCard.h"

#include "AccessibleRoles.h"
#include "Fonts.h"
#include "GaugeBar.h"
#include "MintBars.h"
#include "SymbolView.h"
#include "TextLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk {

MetricCard::MetricCard(const QString &title, const QString &symbol, const QString &value,
                       const QString &detail, std::optional<double> fraction, const QString &note,
                       QWidget *parent)
    : Card(18, parent)
{
    auto *body = new QWidget;
    body->setFixedHeight(contentHeight);
    auto *stack = new QVBoxLayout(body);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(13);

    auto *header = new QHBoxLayout;
    header->addWidget(new TextLabel(title, Fonts::ui(11, QFont::Medium), Palette::Role::secondary));
    header->addStretch(1);
    header->addWidget(new SymbolView(symbol, 14, Palette::Role::accent));
    stack->addLayout(header);

    auto *figure = new QVBoxLayout;
    figure->setSpacing(4);
    figure->addWidget(
        new TextLabel(value, Fonts::rounded(27, QFont::DemiBold), Palette::Role::ink));
    figure->addWidget(new TextLabel(detail, Fonts::ui(10), Palette::Role::secondary));
    stack->addLayout(figure);

    if (fraction)
        stack->addWidget(new GaugeBar(*fraction, title, value));
    else
        stack->addWidget(new MintBars);

    stack->addWidget(new TextLabel(note, Fonts::ui(10), Palette::Role::secondary));
    stack->addStretch(1);
    contentLayout()->addWidget(body);
}

} // namespace vesk
