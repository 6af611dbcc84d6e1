// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Palette.h"

#include <QIcon>
#include <QLatin1String>

class QPainter;
class QRectF;

namespace vesk {

// Symbol names in the code carry the _symbol suffix (a literal such as the
// leaf's), so that a test can find every name used and check its icon.
constexpr QLatin1String operator""_symbol(const char *text, std::size_t size)
{
    return QLatin1String(text, qsizetype(size));
}

namespace Icons {

// Whether a bundled icon exists for `symbol`.
bool exists(const QString &symbol);

// Paints `symbol` tinted with `color`, fitted into `rect`, crisp at the
// painter's device pixel ratio. An unknown name draws a neutral dotted circle.
void paint(QPainter &painter, const QRectF &rect, const QString &symbol, const QColor &color);

// An icon for standard widgets whose colour is resolved from `role` each time
// it is drawn, so it follows the appearance.
QIcon icon(const QString &symbol, Palette::Role role);

} // namespace Icons
} // namespace vesk
