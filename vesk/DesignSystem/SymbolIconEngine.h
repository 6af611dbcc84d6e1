// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Palette.h"

#include <QIconEngine>

namespace vesk {

// A QIconEngine over a bundled symbol whose tint is looked up from the palette
// at paint time; disabled icons are drawn half transparent.
class SymbolIconEngine : public QIconEngine
{
public:
    SymbolIconEngine(QString symbol, Palette::Role role);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    QColor tint(QIcon::Mode mode) const;

    QString m_symbol;
    Palette::Role m_role;
};

} // namespace vesk
