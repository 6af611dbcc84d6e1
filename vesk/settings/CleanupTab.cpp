// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "CleanupTab.h"

#include "DesignSystem/DetailLine.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/SectionTitle.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "SettingsForm.h"
#include "VeskCore/Preferences.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace vesk {

QStringList CleanupTab::categories()
{
    return {tr("Fitxers temporals"), tr("Fitxers grans"), tr("Aplicacions")};
}

CleanupTab::CleanupTab(Preferences &preferences, QWidget *parent)
    : QWidget(parent), m_preferences(preferences)
{
    auto *stack = SettingsForm::stack(this);
    stack->addWidget(new SectionTitle(tr("Categories de la simulació")));

    for (const QString &category : categories()) {
        auto *box = SettingsForm::toggle(category);
        box->setChecked(!m_preferences.excludedCategories().contains(category));
        connect(box, &QCheckBox::toggled, this,
                [this, category](bool on) { m_preferences.setCategoryExcluded(category, !on); });
        m_categoryToggles << box;
        stack->addWidget(box);
    }

    auto *preselect = SettingsForm::toggle(tr("Preselecciona candidats de baix risc"));
    preselect->setChecked(m_preferences.preselectLowRisk());
    connect(preselect, &QCheckBox::toggled, this,
            [this](bool on) { m_preferences.setPreselectLowRisk(on); });
    stack->addWidget(preselect);

    stack->addWidget(
        new InfoNote(tr("Els canvis de categoria s’apliquen a la propera anàlisi "
                        "simulada. Els elements personals sempre comencen desmarcats."),
                     "info.circle"_symbol));
    stack->addWidget(new DetailLine(tr("Confirmació explícita"), tr("Sempre obligatòria")));
    stack->addWidget(new DetailLine(tr("Destinació prevista"), tr("Paperera (simulada)")));
    stack->addWidget(new DetailLine(tr("Política"), tr("Sense eliminació permanent")));
    stack->addStretch(1);
    connect(&m_preferences, &Preferences::excludedCategoriesChanged, this,
            &CleanupTab::syncCategoryToggles);
}

void CleanupTab::syncCategoryToggles()
{
    const QStringList names = categories();
    for (qsizetype i = 0; i < m_categoryToggles.size(); ++i) {
        QCheckBox *box = m_categoryToggles.at(i);
        const QSignalBlocker blocker(box);
        box->setChecked(!m_preferences.excludedCategories().contains(names.at(i)));
    }
}

} // namespace vesk
