// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "PermissionsTab.h"

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

PermissionsTab::PermissionsTab(QWidget *parent) : QWidget(parent)
{
    auto *stack = SettingsForm::stack(this);
    auto *heading = new QHBoxLayout;
    heading->setSpacing(8);
    heading->addWidget(new SymbolView("checkmark.shield"_symbol, 16, Palette::Role::accent));
    heading->addWidget(new TextLabel(tr("Cap permís de sistema sol·licitat"),
                                     Fonts::ui(13, QFont::DemiBold), Palette::Role::ink));
    heading->addStretch(1);
    stack->addLayout(heading);
    stack->addWidget(new DetailLine(tr("Accés complet al disc"), tr("No sol·licitat")));
    stack->addWidget(new DetailLine(tr("Carpetes personals"), tr("Sense accés")));
    stack->addWidget(new DetailLine(tr("Notificacions"), tr("No sol·licitades")));
    stack->addWidget(new DetailLine(tr("Telemetria i xarxa"), tr("Sense connexions")));
    stack->addWidget(new InfoNote(tr("En una fase futura, cada accés s’explicarà abans de "
                                     "demanar-lo. La demostració només desa les preferències "
                                     "visuals de vesk."),
                                  "info.circle"_symbol));
    stack->addStretch(1);
}

} // namespace vesk
