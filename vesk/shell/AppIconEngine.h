// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QIconEngine>

namespace vesk {

// The application icon: the brand mark on its tile, drawn from code at
// whatever size and pixel ratio is asked for. The same drawing produces the
// icon files that get installed, so the window, the About box and the desktop
// show one picture.
class AppIconEngine : public QIconEngine
{
public:
    // The mark's own proportions are those of a 64-point tile; the icon is
    // that tile scaled, so the corner radius and the leaf's shadow scale too.
    static constexpr qreal designSide = 64;
    static constexpr int pixelSides[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

    static QIcon icon();
    // Draws the icon centred in `rect`, leaving a 1/16 margin round the tile.
    static void paint(QPainter &painter, const QRectF &rect);
    // An image `side` pixels square at ratio 1.
    static QImage image(int side);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    // The sizes of the installed PNGs; window systems that keep bitmaps
    // (X11's _NET_WM_ICON) take these.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
};

} // namespace vesk
