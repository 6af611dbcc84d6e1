// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Palette.h"

#include <QWidget>

namespace vesk {

// A small symbol and text on a capsule: the look shared by the badges. The
// colours are roles, resolved at paint time.
class CapsuleLabel : public QWidget
{
    Q_OBJECT

public:
    struct Look
    {
        QFont font;
        Palette::Role foreground;
        Palette::Role fill;
        qreal fillOpacity;
        int horizontalPadding;
        int verticalPadding;
    };

    CapsuleLabel(const QString &symbol, const QString &text, const Look &look,
                 QWidget *parent = nullptr);

    QString text() const { return m_text; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal symbolSize() const;

    QString m_symbol;
    QString m_text;
    Look m_look;
    mutable QSize m_sizeHint; // measuring shapes the text: once is enough
};

} // namespace vesk
