// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "PerformanceView.h"

#include "ActivityChart.h"
#include "ActivitySeries.h"
#include "DesignSystem/Card.h"
#include "DesignSystem/FieldTitle.h"
#include "DesignSystem/HorizontalRule.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/Layouts.h"
#include "DesignSystem/MetricCard.h"
#include "DesignSystem/PageHeader.h"
#include "DesignSystem/Picker.h"
#include "DesignSystem/SectionTitle.h"
#include "DesignSystem/SegmentedControl.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "ProcessRow.h"
#include "VeskCore/DemoSession.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk {

PerformanceView::PerformanceView(SharedObjects shared, QWidget *parent)
    : Page(shared.preferences, parent), m_shared(shared), m_range(new Picker),
      m_metricTitle(new TextLabel(QString(), Fonts::ui(16, QFont::DemiBold), Palette::Role::ink)),
      m_unit(new TextLabel(QString(), Fonts::ui(11), Palette::Role::secondary)),
      m_chart(new ActivityChart), m_noteLayout(new QVBoxLayout), m_processFilter(new Picker),
      m_processRows(new QVBoxLayout)
{
    addWidget(new PageHeader(tr("ENTENDRE ABANS D’ACTUAR"), tr("Tot al seu ritme."),
                             tr("Una lectura tranquil·la dels recursos, sense promeses "
                                "d’acceleració ni accions innecessàries.")));

    // Three flexible columns, whatever the width.
    auto *grid = new QHBoxLayout;
    grid->setSpacing(16);
    grid->addWidget(new MetricCard(tr("Processador"), "cpu"_symbol, tr("18 %"),
                                   tr("activitat de mostra"), 0.18,
                                   tr("Sense càrrega sostinguda")));
    grid->addWidget(new MetricCard(tr("Memòria"), "memorychip"_symbol, tr("Baixa"),
                                   tr("pressió de mostra"), 0.35, tr("Swap de mostra: 0 B")));
    grid->addWidget(new MetricCard(tr("Disc"), "internaldrive"_symbol, tr("128 GB"),
                                   tr("disponibles de 512 GB"), 0.25, tr("E/S de mostra: 4 MB/s")));
    addLayout(grid);

    auto *chartCard = new Card(22);
    auto *chartStack = chartCard->contentLayout();
    chartStack->setSpacing(22);
    auto *controls = new QHBoxLayout;
    m_metric = new SegmentedControl(tr("Recurs"), ActivitySeries::metrics());
    m_metric->setCurrentIndex(0);
    m_metric->setMaximumWidth(350);
    controls->addWidget(m_metric, 1);
    controls->addStretch(1);
    m_range->addItem(tr("12 minuts"), 12);
    m_range->addItem(tr("24 minuts"), 24);
    m_range->setCurrentIndex(1);
    // No visible title: the name, and the description where the Linux
    // bridge reads a combo box's value as its name.
    m_range->setAccessibleName(tr("Període"));
    m_range->setFont(Fonts::ui(13));
    m_range->setFixedWidth(125);
    controls->addWidget(m_range);
    chartStack->addLayout(controls);
    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(m_metricTitle);
    titleRow->addStretch(1);
    titleRow->addWidget(m_unit);
    chartStack->addLayout(titleRow);
    chartStack->addWidget(m_chart);
    m_noteLayout->setContentsMargins(0, 0, 0, 0);
    chartStack->addWidget(Layouts::widgetFor(m_noteLayout));
    addWidget(chartCard);

    auto *processCard = new Card(22);
    auto *processStack = processCard->contentLayout();
    processStack->setSpacing(16);
    auto *header = new QHBoxLayout;
    header->addWidget(new SectionTitle(tr("Aplicacions i processos")), 1);
    m_processFilter->addItems(processFilters());
    m_processFilter->setAccessibleName(tr("Tipus de procés"));
    m_processFilter->setFont(Fonts::ui(13));
    m_processFilter->setFixedWidth(160);
    header->addWidget(m_processFilter);
    processStack->addLayout(header);
    m_processRows->setContentsMargins(0, 0, 0, 0);
    m_processRows->setSpacing(0);
    // In a widget of their own: rows derived again stay before the footnote
    // in reading order, where they are shown.
    processStack->addWidget(Layouts::widgetFor(m_processRows));
    auto *footnote = new TextLabel(tr("Els elements d’inici es mostren com a exemple. No s’aturen "
                                      "processos ni es modifica l’inici de sessió."),
                                   Fonts::ui(11), Palette::Role::secondary);
    footnote->setWordWrap(true);
    processStack->addWidget(footnote);
    addWidget(processCard);
    addStretch();

    connect(m_metric, &SegmentedControl::currentIndexChanged, this, &PerformanceView::showChart);
    connect(m_range, &QComboBox::currentIndexChanged, this, &PerformanceView::showChart);
    connect(m_processFilter, &QComboBox::currentIndexChanged, this,
            &PerformanceView::showProcesses);
    showChart();
    showProcesses();
}

QStringList PerformanceView::processFilters()
{
    return {tr("Tots"), tr("En segon pla"), tr("A l’inici")};
}

QList<DemoProcess> PerformanceView::processes(const QList<DemoProcess> &all, const QString &filter)
{
    const QStringList filters = processFilters();
    QList<DemoProcess> result;
    for (const DemoProcess &process : all) {
        if (filter == filters.at(0) || (filter == filters.at(1) && process.background) ||
            (filter == filters.at(2) && process.login))
            result.append(process);
    }
    return result;
}

QString PerformanceView::cpuText(double cpu, const QLocale &locale)
{
    return tr("%1 % CPU").arg(locale.toString(cpu, 'f', 1));
}

void PerformanceView::showChart()
{
    const QString metric = ActivitySeries::metrics().value(qMax(0, m_metric->currentIndex()));
    const int range = m_range->currentData().toInt();
    m_metricTitle->setText(metric);
    m_unit->setText(ActivitySeries::unitLine(metric));
    // The selection is kept across metric and range changes.
    m_chart->setSeries(ActivitySeries::samples(m_shared.session.data().performance(), range),
                       metric);
    delete m_note;
    m_note = new InfoNote(ActivitySeries::explanation(metric), "checkmark.circle"_symbol);
    m_noteLayout->addWidget(m_note);
}

void PerformanceView::showProcesses()
{
    Layouts::clear(m_processRows);
    m_shownProcesses.clear();
    for (const DemoProcess &process :
         processes(m_shared.session.data().processes(), m_processFilter->currentText())) {
        m_shownProcesses << process.name;
        m_processRows->addWidget(
            new ProcessRow(process.name, cpuText(process.cpu), process.memory));
        m_processRows->addWidget(new HorizontalRule(Palette::Role::secondary, 0.15));
    }
}

} // namespace vesk
