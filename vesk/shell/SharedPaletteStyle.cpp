// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SharedPaletteStyle.h"

#include "DesignSystem/Icons.h"
#include "DesignSystem/Palette.h"

#include <QPainter>

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>

namespace vesk {

namespace {

// Lends `option` the application's palette while `draw` runs, when the two
// hold the same colours; the option is the caller's and gets its own back.
template <typename Draw> void withSharedPalette(const QStyleOption *option, Draw draw)
{
    if (!option) {
        draw();
        return;
    }
    const QPalette shared = QApplication::palette();
    if (option->palette.cacheKey() == shared.cacheKey() || option->palette != shared) {
        draw();
        return;
    }
    auto *lent = const_cast<QStyleOption *>(option);
    const QPalette own = lent->palette;
    lent->palette = shared;
    draw();
    lent->palette = own;
}

} // namespace

SharedPaletteStyle::SharedPaletteStyle()
    // untranslated: a style name
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{}

void SharedPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                       QPainter *painter, const QWidget *widget) const
{
    withSharedPalette(option,
                      [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
    if (element == PE_IndicatorCheckBox) {
        // Fusion outlines a box in the window colour darkened, which on the
        // dark appearance's window is barely there (1.1:1): the box's edge
        // is drawn again in the secondary ink, 3:1 or more on either side.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(Palette::secondary(), 1));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
}

void SharedPaletteStyle::drawControl(ControlElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    withSharedPalette(option, [&] { QProxyStyle::drawControl(element, option, painter, widget); });
}

void SharedPaletteStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex *option, QPainter *painter,
                                            const QWidget *widget) const
{
    withSharedPalette(option,
                      [&] { QProxyStyle::drawComplexControl(control, option, painter, widget); });
}

QIcon SharedPaletteStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                       const QWidget *widget) const
{
    // Every menu bar asks for this icon when it is made. Fusion's is a PNG
    // file, and reading it loads every image format plug-in Qt has (3 M
    // instructions at start-up) for a button shown only when the menu bar is
    // too narrow for its menus. The chevron is drawn only when shown.
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return Icons::icon(QStringLiteral("chevron.right"), Palette::Role::ink);
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace vesk
