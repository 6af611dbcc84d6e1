// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AboutTab.h"

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
#include "SystemAppearance.h"
#include "VeskCore/Display.h"
#include "VeskCore/Preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk {

AboutTab::AboutTab(QWidget *parent) : QWidget(parent)
{
    auto *stack = SettingsForm::stack(this);

    auto *identity = new QHBoxLayout;
    identity->setSpacing(18);
    auto *mark = new VeskMark(true);
    mark->setFixedSize(82, 82);
    identity->addWidget(mark);
    auto *names = new QVBoxLayout;
    names->setSpacing(5);
    names->addStretch(1);
    auto *wordmark =
        new TextLabel(QStringLiteral("vesk."), Fonts::ui(32, QFont::DemiBold), Palette::Role::ink);
    names->addWidget(wordmark);
    names->addWidget(
        new TextLabel(tr("El teu Mac, en forma."), Fonts::ui(13), Palette::Role::secondary));
    names->addWidget(
        new TextLabel(tr("Versió 0.1 · Fase 1"), Fonts::ui(11), Palette::Role::secondary));
    names->addStretch(1);
    identity->addLayout(names);
    identity->addStretch(1);
    stack->addLayout(identity);

    auto *summary =
        new TextLabel(tr("Una aplicació nativa per cuidar el Mac amb calma, claredat i control."),
                      Fonts::ui(13), Palette::Role::ink);
    summary->setWordWrap(true);
    stack->addWidget(summary);
    stack->addWidget(new DetailLine(tr("Desenvolupament"), tr("Projecte vesk · Equip de vesk")));
    stack->addWidget(new DetailLine(tr("Tecnologia"), tr("C++20 · Qt Widgets · QPainter")));
    stack->addWidget(new DetailLine(tr("Dependències externes"),
                                    tr("Qt 6 (%1)").arg(qtModules().join(QStringLiteral(", ")))));
    stack->addWidget(
        new DetailLine(tr("Tipus de lletra"), tr("Inter i Quicksand · SIL Open Font License 1.1")));
    stack->addWidget(new DetailLine(tr("Icones"), tr("Phosphor Icons · llicència MIT")));
    auto *licence = new TextLabel(
        tr("Identitat vectorial original. Tipus de lletra, icones i Qt (LGPL v3) subjectes a les "
           "seves llicències, els textos de les quals s’instal·len amb vesk. Prototip de "
           "desenvolupament sense signatura de distribució."),
        Fonts::ui(11), Palette::Role::secondary);
    licence->setWordWrap(true);
    stack->addWidget(licence);
    stack->addStretch(1);
}

QStringList AboutTab::qtModules()
{
    // untranslated: module names
    QStringList modules = QStringLiteral("Core Gui Widgets Svg").split(u' ');
    if (SystemAppearance::asksThePortal())
        modules << QStringLiteral("D-Bus"); // untranslated: a module name
    return modules;
}

} // namespace vesk
