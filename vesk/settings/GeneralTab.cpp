// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "GeneralTab.h"

#include "DesignSystem/DetailLine.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/SegmentedControl.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/VeskMark.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "SettingsForm.h"
#include "VeskCore/Display.h"
#include "VeskCore/Preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk {

GeneralTab::GeneralTab(Preferences &preferences, QWidget *parent)
    : QWidget(parent), m_preferences(preferences)
{
    auto *stack = SettingsForm::stack(this);

    QStringList appearances;
    for (Appearance appearance : allCases<Appearance>())
        appearances << QCoreApplication::translate("vesk::Appearance",
                                                   rawValue(appearance).toUtf8().constData());
    auto *appearance = new SegmentedControl(tr("Aparença"), appearances);
    appearance->setCurrentIndex(int(m_preferences.appearance()));
    connect(appearance, &SegmentedControl::currentIndexChanged, this,
            [this](int index) { m_preferences.setAppearance(allCases<Appearance>().at(index)); });
    connect(&m_preferences, &Preferences::appearanceChanged, appearance,
            [this, appearance] { appearance->setCurrentIndex(int(m_preferences.appearance())); });
    stack->addLayout(SettingsForm::labelledRow(tr("Aparença"), appearance));

    QStringList sections;
    for (Section section : allCases<Section>())
        sections << Display::title(section);
    auto *startSection = SettingsForm::picker(sections);
    startSection->setCurrentIndex(int(m_preferences.startSection()));
    connect(startSection, &QComboBox::activated, this,
            [this](int index) { m_preferences.setStartSection(allCases<Section>().at(index)); });
    stack->addLayout(SettingsForm::labelledRow(tr("En obrir vesk"), startSection));

    auto *compact = SettingsForm::toggle(tr("Espaiat compacte entre targetes"));
    compact->setChecked(m_preferences.compactCards());
    connect(compact, &QCheckBox::toggled, this,
            [this](bool on) { m_preferences.setCompactCards(on); });
    stack->addWidget(compact);

    stack->addWidget(new DetailLine(tr("Idioma"), tr("Català")));
    stack->addWidget(new InfoNote(tr("El català és l’idioma disponible. L’estructura de traducció "
                                     "està preparada per a anglès, castellà i francès."),
                                  "info.circle"_symbol));
    stack->addWidget(new DetailLine(tr("Notificacions"), tr("No disponibles en la demostració")));
    stack->addWidget(
        new DetailLine(tr("Recordatoris opcionals"), tr("No programats · fase futura")));
    stack->addStretch(1);
}

} // namespace vesk
