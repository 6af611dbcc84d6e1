// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Palette.h"
#include "text/TextMeasure.h"

#include <QPushButton>

#include <optional>

namespace vesk {

// A push button drawn in one of vesk's two looks: a label (and optional
// symbol) on a rounded fill that lightens while pressed, with a focus ring
// for keyboard users. Colours are resolved at paint time.
class StyledButton : public QPushButton
{
    Q_OBJECT

public:
    struct Look
    {
        QFont font;
        Palette::Role foreground;
        Palette::Role fill;
        qreal pressedOpacity;
        int horizontalPadding;
        int verticalPadding;
        qreal radius;
    };

    StyledButton(const QString &text, const Look &look, QWidget *parent = nullptr);

    void setSymbol(const QString &symbol);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Look m_look;
    QString m_symbol;
    // The label's whole-pixel advance and height (as QFontMetrics gives
    // them) and, once painted, its layout: measuring shapes the text, so
    // both are kept while the text and the font stay the same.
    void measureLabel() const;
    const TextMeasure &label() const;

    mutable QString m_labelText;
    mutable QFont m_labelFont;
    mutable int m_labelAdvance = 0;
    mutable int m_labelHeight = 0; // 0 until measured
    mutable std::optional<TextMeasure> m_label;
};

} // namespace vesk
