// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Palette.h"

namespace vesk::Palette {

namespace {
// The one piece of shared state besides the application's three objects.
Scheme currentScheme = Scheme::light;

QColor rgb(quint32 value)
{
    return QColor::fromRgb(int((value >> 16) & 0xff), int((value >> 8) & 0xff), int(value & 0xff));
}
} // namespace

Scheme scheme()
{
    return currentScheme;
}

void setScheme(Scheme value)
{
    currentScheme = value;
}

QColor adaptive(quint32 light, quint32 dark)
{
    return rgb(currentScheme == Scheme::dark ? dark : light);
}

QColor color(Role role)
{
    switch (role) {
    case Role::background:
        return adaptive(0xF4F5F2, 0x15272A);
    case Role::card:
        return adaptive(0xFFFFFF, 0x20373B);
    case Role::ink:
        return adaptive(0x1B3438, 0xEDF7F2);
    case Role::secondary:
        return adaptive(0x586D6C, 0xB3C8C4);
    case Role::accent:
        return adaptive(0x256C5B, 0xA7E4D3);
    case Role::wash:
        return adaptive(0xE5EFE9, 0x29463F);
    case Role::graphite:
        return rgb(0x1B3438);
    case Role::green:
        return rgb(0x2E7D6B);
    case Role::mint:
        return rgb(0xA7E4D3);
    case Role::lavender:
        return rgb(0xB898C8);
    case Role::white:
        return rgb(0xFFFFFF);
    case Role::sidebarRowText:
        return rgb(0xC0D0CB);
    case Role::sidebarSelection:
        return rgb(0x31544F);
    case Role::sidebarNote:
        return rgb(0xBED5CB);
    case Role::sidebarLink:
        return rgb(0xD7E5DF);
    case Role::sidebarVersion:
        return rgb(0xA1BBB3);
    case Role::markTile:
        return rgb(0xDDF3E9);
    case Role::markLowerLeaf:
        return rgb(0x83CEB6);
    }
    return {};
}

QColor color(Role role, qreal opacity)
{
    QColor result = color(role);
    result.setAlphaF(float(opacity));
    return result;
}

QList<QColor> colors()
{
    return {green(), rgb(0x76B49B), lavender(), rgb(0x8CABA9), rgb(0xC5CFC8), rgb(0xE5EBE4)};
}

QPalette widgetPalette()
{
    QPalette p;
    const QColor ink = Palette::ink();
    const QColor secondary = Palette::secondary();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, background());
        p.setColor(group, QPalette::WindowText, ink);
        p.setColor(group, QPalette::Base, card());
        p.setColor(group, QPalette::AlternateBase, wash());
        p.setColor(group, QPalette::Text, ink);
        p.setColor(group, QPalette::Button, card());
        p.setColor(group, QPalette::ButtonText, ink);
        p.setColor(group, QPalette::BrightText, white());
        p.setColor(group, QPalette::Highlight, accent());
        p.setColor(group, QPalette::HighlightedText, card());
        p.setColor(group, QPalette::Link, accent());
        p.setColor(group, QPalette::LinkVisited, accent());
        p.setColor(group, QPalette::PlaceholderText, secondary);
        p.setColor(group, QPalette::ToolTipBase, card());
        p.setColor(group, QPalette::ToolTipText, ink);
        p.setColor(group, QPalette::Light, card().lighter(110));
        p.setColor(group, QPalette::Midlight, wash());
        p.setColor(group, QPalette::Mid, color(Role::secondary, 0.35));
        p.setColor(group, QPalette::Dark, secondary);
        p.setColor(group, QPalette::Shadow, graphite());
    }
    QColor disabledText = secondary;
    disabledText.setAlphaF(0.6f);
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    return p;
}

} // namespace vesk::Palette
