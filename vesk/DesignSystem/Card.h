// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QMargins>
#include <QPixmap>
#include <QWidget>

class QVBoxLayout;

namespace vesk {

// The rounded surface every block of content sits on. Its children go into
// contentLayout(), inset by the padding the caller chooses.
class Card : public QWidget
{
    Q_OBJECT

public:
    static constexpr int radius = 18;
    // Room below the surface for its soft shadow (offset 3).
    static constexpr int shadowBand = 3;

    explicit Card(int padding, QWidget *parent = nullptr);

    QVBoxLayout *contentLayout() const { return m_layout; }
    int padding() const { return m_padding; }

    // The surface's corners and edges at device pixel ratio `ratio`, in the
    // current palette, cut along frameMargins() to be stretched over a card.
    static QPixmap frame(qreal ratio);
    static QMargins frameMargins();
    // How far in from each side the frame differs from the fill (the border,
    // and the shadow below); inside, the card is filled.
    static QMargins edgeMargins();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_padding;
    QVBoxLayout *m_layout;
};

} // namespace vesk
