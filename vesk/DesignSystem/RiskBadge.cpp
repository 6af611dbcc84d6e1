// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "RiskBadge.h"

#include "DesignSystem/text/Fonts.h"
#include "Icons.h"

#include <QCoreApplication>

namespace vesk {

RiskBadge::RiskBadge(Risk risk, QWidget *parent)
    : CapsuleLabel(symbolFor(risk), title(risk),
                   {Fonts::ui(10, QFont::Medium), colorFor(risk), Palette::Role::wash, 1.0, 8, 5},
                   parent)
{}

QString RiskBadge::symbolFor(Risk risk)
{
    switch (risk) {
    case Risk::low:
        return "checkmark.circle"_symbol;
    case Risk::review:
        return "eye"_symbol;
    case Risk::protected_:
        return "lock"_symbol;
    }
    return {};
}

Palette::Role RiskBadge::colorFor(Risk risk)
{
    return risk == Risk::review ? Palette::Role::secondary : Palette::Role::accent;
}

QString RiskBadge::title(Risk risk)
{
    return QCoreApplication::translate("vesk::Risk", rawValue(risk).toUtf8().constData());
}

} // namespace vesk
