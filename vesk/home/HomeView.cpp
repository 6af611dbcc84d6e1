// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "HomeView.h"

#include "DesignSystem/AdaptiveGrid.h"
#include "DesignSystem/Card.h"
#include "DesignSystem/HorizontalRule.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/LinkButton.h"
#include "DesignSystem/MetricCard.h"
#include "DesignSystem/PageHeader.h"
#include "DesignSystem/PrimaryButton.h"
#include "DesignSystem/SectionTitle.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "DiskLegend.h"
#include "DonutChart.h"
#include "RecommendationRow.h"
#include "ResponsivePair.h"
#include "TiltedMark.h"
#include "VeskCore/DemoSession.h"
#include "VeskCore/NavigationState.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk {

HomeView::HomeView(SharedObjects shared, QWidget *parent)
    : Page(shared.preferences, parent), m_shared(shared)
{
    addWidget(buildHero());
    addWidget(buildMetrics());
    addWidget(new ResponsivePair(buildStorageCard(), storageMinimumWidth,
                                 buildRecommendationsCard(), recommendationsMinimumWidth,
                                 cardSpacing));
    addWidget(buildReassurance());
    addStretch();

    connect(&m_shared.session, &DemoSession::phaseChanged, this,
            [this] { m_mainButton->setText(mainButtonText(m_shared.session.phase())); });
}

QString HomeView::mainButtonText(ScanPhase phase)
{
    return phase == ScanPhase::scanning ? tr("Veure l’anàlisi") : tr("Analitza ara");
}

void HomeView::analyse()
{
    // Leave a running scan alone: the button then only shows it.
    const bool scanning = m_shared.session.phase() == ScanPhase::scanning;
    m_shared.navigation.setSelection(Section::cleanup);
    if (!scanning)
        m_shared.startScan();
}

QWidget *HomeView::buildHero()
{
    auto *hero = new QWidget;
    auto *row = new QHBoxLayout(hero);
    row->setContentsMargins(0, 8, 0, 8);
    row->setSpacing(24);

    auto *text = new QVBoxLayout;
    text->setSpacing(22);
    text->addWidget(new PageHeader(tr("UNA MICA DE CURA, CADA DIA"), tr("El teu Mac, en forma."),
                                   tr("Tot el que necessites saber per mantenir el teu Mac a "
                                      "punt.")));
    auto *action = new QHBoxLayout;
    action->setSpacing(14);
    m_mainButton = new PrimaryButton(mainButtonText(m_shared.session.phase()));
    m_mainButton->setSymbol("sparkles"_symbol);
    connect(m_mainButton, &PrimaryButton::clicked, this, &HomeView::analyse);
    action->addWidget(m_mainButton);
    action->addWidget(new TextLabel(tr("Una anàlisi de mostra.\nCap canvi al teu Mac."),
                                    Fonts::ui(11), Palette::Role::secondary));
    action->addStretch(1);
    text->addLayout(action);
    row->addLayout(text, 1);
    row->addWidget(new TiltedMark, 0, Qt::AlignVCenter);
    return hero;
}

QWidget *HomeView::buildMetrics()
{
    auto *grid = new AdaptiveGrid(metricMinimumWidth, metricSpacing);
    grid->addWidget(new MetricCard(tr("Emmagatzematge"), "internaldrive"_symbol, tr("128 GB"),
                                   tr("disponibles de 512 GB"), 0.75, tr("384 GB ocupats")));
    grid->addWidget(new MetricCard(tr("Memòria"), "memorychip"_symbol, tr("Baixa"),
                                   tr("pressió de memòria"), 0.35, tr("7,8 GB de 16 GB en ús")));
    grid->addWidget(new MetricCard(tr("Processador"), "cpu"_symbol, tr("18 %"),
                                   tr("d’activitat simulada"), 0.18, tr("Càrrega moderada")));
    grid->addWidget(new MetricCard(tr("Aplicacions"), "square.stack.3d.up"_symbol, tr("5"),
                                   tr("aplicacions de mostra"), std::nullopt,
                                   tr("2 aplicacions per revisar")));
    return grid;
}

QWidget *HomeView::buildStorageCard()
{
    auto *card = new Card(22);
    auto *stack = card->contentLayout();
    stack->setSpacing(22);
    stack->addWidget(new SectionTitle(tr("Un lloc per a cada cosa"), tr("512 GB")));

    const QList<DiskCategory> categories = m_shared.session.data().diskCategories();
    auto *chartRow = new QHBoxLayout;
    chartRow->setSpacing(22);
    chartRow->addWidget(new DonutChart(categories), 0, Qt::AlignVCenter);
    chartRow->addWidget(new DiskLegend(categories), 1, Qt::AlignVCenter);
    stack->addLayout(chartRow);

    auto *explore = new LinkButton(QString(), tr("Explora el teu espai"),
                                   Fonts::ui(12, QFont::DemiBold), Palette::Role::accent);
    explore->setTrailingSymbol("arrow.right"_symbol);
    connect(explore, &LinkButton::clicked, this,
            [this] { m_shared.navigation.setSelection(Section::storage); });
    stack->addWidget(explore);
    return card;
}

QWidget *HomeView::buildRecommendationsCard()
{
    auto *card = new Card(22);
    auto *stack = card->contentLayout();
    stack->setSpacing(17);
    stack->addWidget(new SectionTitle(tr("Per revisar")));

    auto *large = new RecommendationRow("doc.text.magnifyingglass"_symbol, tr("Fitxers grans"),
                                        tr("Espai que pots conèixer millor"));
    connect(large, &RecommendationRow::clicked, this,
            [this] { m_shared.navigation.showLargeFiles(); });
    auto *apps = new RecommendationRow("app.badge"_symbol, tr("Aplicacions poc utilitzades"),
                                       tr("2 exemples per valorar"));
    connect(apps, &RecommendationRow::clicked, this,
            [this] { m_shared.navigation.setSelection(Section::applications); });
    auto *temporary = new RecommendationRow("sparkles"_symbol, tr("Temporals identificats"),
                                            tr("4 GB de candidats de mostra"));
    connect(temporary, &RecommendationRow::clicked, this,
            [this] { m_shared.navigation.setSelection(Section::cleanup); });

    stack->addWidget(large);
    stack->addWidget(new HorizontalRule(Palette::Role::secondary, 0.15));
    stack->addWidget(apps);
    stack->addWidget(new HorizontalRule(Palette::Role::secondary, 0.15));
    stack->addWidget(temporary);
    stack->addStretch(1);
    return card;
}

QWidget *HomeView::buildReassurance()
{
    auto *line = new QWidget;
    auto *row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(7);
    row->addWidget(new SymbolView("lock.shield"_symbol, 12, Palette::Role::secondary));
    row->addWidget(new TextLabel(tr("Local, privat i sota el teu control."), Fonts::ui(11),
                                 Palette::Role::secondary));
    row->addStretch(1);
    row->addWidget(new TextLabel(tr("Cap fitxer llegit ni modificat"), Fonts::ui(11),
                                 Palette::Role::secondary));
    return line;
}

} // namespace vesk
