// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ExclusionsTab.h"

#include "DesignSystem/DetailLine.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/Layouts.h"
#include "DesignSystem/LinkButton.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/QuietButton.h"
#include "DesignSystem/SectionTitle.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "SettingsForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {

QStringList ExclusionsTab::exampleChoices()
{
    return {tr("Arxiu familiar"), tr("Aplicació Taller"), tr("Fitxer Llibre.pdf")};
}

ExclusionsTab::ExclusionsTab(QWidget *parent)
    : QWidget(parent), m_exclusions{tr("Documents personals"), tr("Recursos compartits")},
      m_excludedExample(exampleChoices().first())
{
    auto *stack = SettingsForm::stack(this);
    stack->addWidget(new SectionTitle(tr("Exclusions de mostra")));
    stack->addWidget(new InfoNote(tr("Aquest editor valida la presentació de les exclusions. "
                                     "Només conté noms ficticis i no selecciona carpetes del Mac. "
                                     "La política real es definirà en una fase posterior."),
                                  "info.circle"_symbol));

    auto *rows = new QWidget;
    m_exclusionRows = new QVBoxLayout(rows);
    m_exclusionRows->setContentsMargins(0, 0, 0, 0);
    m_exclusionRows->setSpacing(SettingsForm::spacing);
    stack->addWidget(rows);

    auto *example = SettingsForm::picker(exampleChoices());
    m_addExclusion = new QuietButton(tr("Afegeix"));
    connect(example, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        m_excludedExample = text;
        m_addExclusion->setEnabled(!m_exclusions.contains(m_excludedExample));
    });
    connect(m_addExclusion, &QPushButton::clicked, this, [this] {
        if (m_exclusions.contains(m_excludedExample))
            return;
        m_exclusions.insert(m_excludedExample);
        rebuildExclusionRows();
    });
    auto *addRow = SettingsForm::labelledRow(tr("Exemple"), example);
    addRow->insertWidget(addRow->count() - 1, m_addExclusion);
    stack->addLayout(addRow);
    stack->addStretch(1);

    rebuildExclusionRows();
}

QStringList ExclusionsTab::exclusions() const
{
    QStringList sorted(m_exclusions.cbegin(), m_exclusions.cend());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

void ExclusionsTab::rebuildExclusionRows()
{
    Layouts::clear(m_exclusionRows);
    for (const QString &name : exclusions()) {
        auto *row = new QWidget;
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(8);
        layout->addWidget(new SymbolView("lock"_symbol, 14, Palette::Role::secondary));
        layout->addWidget(new TextLabel(name, Fonts::ui(13), Palette::Role::ink));
        layout->addStretch(1);
        auto *remove = new LinkButton(QString(), tr("Retira de l’exemple"), Fonts::ui(13),
                                      Palette::Role::accent);
        remove->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        remove->setAccessibleDescription(name);
        connect(remove, &LinkButton::clicked, this, [this, name] {
            m_exclusions.remove(name);
            rebuildExclusionRows();
        });
        layout->addWidget(remove);
        m_exclusionRows->addWidget(row);
    }
    m_exclusionRows->parentWidget()->setVisible(!m_exclusions.isEmpty());
    m_addExclusion->setEnabled(!m_exclusions.contains(m_excludedExample));
    emit exclusionsChanged();
}

} // namespace vesk
