// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Palette.h"

#include <QColor>
#include <QRectF>

class QPainter;
class QWidget;

namespace vesk::FocusRing {

// The keyboard focus ring every self-painted control shares, drawn just
// inside the control's shape so no neighbour clips it: an outer ring that
// stands out from what is around the control, and an inner white one that
// stands out from a filled control (a primary button's green), so it reads
// at 3:1 or more against both in either appearance.
inline constexpr qreal penWidth = 2.0;
inline constexpr qreal innerWidth = 2.0;

// Whether `widget` shows its ring: it has focus and the keyboard put it
// there, as on the desktop (a click does not light the ring).
bool isVisible(const QWidget &widget);

// Paints the ring inside `area`, a rounded rectangle of corner `radius`.
// The outer colour is the ink unless the control sits on a surface of its
// own (the sidebar's dark column).
void paint(QPainter &painter, const QRectF &area, qreal radius,
           const QColor &color = Palette::ink());

// Both at once: paints the ring when `widget` shows it.
void paintIfVisible(QPainter &painter, const QWidget &widget, const QRectF &area, qreal radius,
                    const QColor &color = Palette::ink());

} // namespace vesk::FocusRing
