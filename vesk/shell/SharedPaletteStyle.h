// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QProxyStyle>

namespace vesk {

// The Fusion style, drawing with the application's palette object whenever a
// widget's palette holds the same colours. Fusion caches what it draws
// (scroll bars, combo boxes, buttons) in the pixmap cache under a key that
// includes the palette's identity, and Qt gives every widget a copy of its
// own once the application palette is set, so every screen built afresh
// added new entries until the cache was full: memory grew with every section
// switch. Keyed by the shared palette, the same look is one entry.
// It also gives the menu bar's extension button the design system's chevron.
class SharedPaletteStyle : public QProxyStyle
{
    Q_OBJECT

public:
    SharedPaletteStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace vesk
