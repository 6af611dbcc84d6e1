// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Palette.h"

#include <QAbstractButton>

namespace vesk {

// A plain, borderless button: a symbol and a text in one palette colour,
// the whole row clickable.
class LinkButton : public QAbstractButton
{
    Q_OBJECT

public:
    LinkButton(const QString &symbol, const QString &text, const QFont &font, Palette::Role role,
               QWidget *parent = nullptr);

    // A symbol at the far end of the row ("arrow.right").
    void setTrailingSymbol(const QString &symbol);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    QString m_trailingSymbol;
    Palette::Role m_role;
};

} // namespace vesk
