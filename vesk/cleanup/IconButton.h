// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Palette.h"

#include <QAbstractButton>

namespace vesk {

// A borderless button that is only a symbol; its accessible name says what it
// does, since there is no text to read.
class IconButton : public QAbstractButton
{
    Q_OBJECT

public:
    IconButton(const QString &symbol, qreal size, Palette::Role role, const QString &accessibleName,
               QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    qreal m_size;
    Palette::Role m_role;
};

} // namespace vesk
