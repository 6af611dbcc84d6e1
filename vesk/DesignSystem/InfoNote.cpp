// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "InfoNote.h"

#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "Palette.h"
#include "SymbolView.h"

#include <QHBoxLayout>
#include <QPainter>

namespace vesk {

InfoNote::InfoNote(const QString &text, const QString &symbol, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(8);
    layout->addWidget(new SymbolView(symbol, 14, Palette::Role::secondary), 0, Qt::AlignTop);
    auto *label = new TextLabel(text, Fonts::ui(12), Palette::Role::secondary);
    label->setWordWrap(true);
    layout->addWidget(label, 1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
}

void InfoNote::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::color(Palette::Role::wash, 0.6));
    painter.drawRoundedRect(QRectF(rect()), 10, 10);
}

} // namespace vesk
