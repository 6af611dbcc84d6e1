// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QColor>
#include <QList>
#include <QPalette>

namespace vesk::Palette {

// The colours of vesk. Adaptive colours resolve against the effective
// appearance each time they are asked for, so widgets read them while
// painting and never keep one.

enum class Scheme
{
    light,
    dark
};

// The effective appearance; the theme sets it, painting reads it.
Scheme scheme();
void setScheme(Scheme value);

enum class Role
{
    // adaptive
    background,
    card,
    ink,
    secondary,
    accent,
    wash,
    // fixed
    graphite,
    green,
    mint,
    lavender,
    white,
    // fixed colours of the sidebar and the brand mark
    sidebarRowText,
    sidebarSelection,
    sidebarNote,
    sidebarLink,
    sidebarVersion,
    markTile,
    markLowerLeaf,
};

QColor color(Role role);
// The same colour at the given opacity.
QColor color(Role role, qreal opacity);

// A colour from two 24-bit values: the dark one in the dark appearance.
QColor adaptive(quint32 light, quint32 dark);

inline QColor background()
{
    return color(Role::background);
}
inline QColor card()
{
    return color(Role::card);
}
inline QColor ink()
{
    return color(Role::ink);
}
inline QColor secondary()
{
    return color(Role::secondary);
}
inline QColor accent()
{
    return color(Role::accent);
}
inline QColor wash()
{
    return color(Role::wash);
}
inline QColor graphite()
{
    return color(Role::graphite);
}
inline QColor green()
{
    return color(Role::green);
}
inline QColor mint()
{
    return color(Role::mint);
}
inline QColor lavender()
{
    return color(Role::lavender);
}
inline QColor white()
{
    return color(Role::white);
}

// The ordered series for data: green, #76B49B, lavender, #8CABA9, #C5CFC8, #E5EBE4.
QList<QColor> colors();

// A palette for the standard widgets (combo boxes, check boxes, scroll bars)
// in the current scheme, so they match the custom-painted ones.
QPalette widgetPalette();

} // namespace vesk::Palette
