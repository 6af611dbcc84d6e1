// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Palette.h"
#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

namespace vesk {

// A text a widget paints itself: what, where and how. A widget that paints
// texts lists them once as runs; its paintEvent paints that list and its
// accessible node reads the same list, so what is seen and what is heard
// cannot drift apart.
struct TextRun
{
    QString text;
    QRectF rect;
    QFont font;
    Palette::Role role = Palette::Role::ink;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // Painted cut to the rect's width; heard whole.
    Qt::TextElideMode elide = Qt::ElideNone;
    // False for a text the widget's own accessible name already says.
    bool heard = true;

    // Paints the run, in its role's colour of the moment.
    void paint(QPainter &painter) const;

    // The texts of `runs` a screen reader is to find, in their order.
    static QList<AccessibleKind::PaintedText> heardTexts(const QList<TextRun> &runs);
};

} // namespace vesk
