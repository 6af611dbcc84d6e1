// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "FieldTitle.h"

#include "DesignSystem/text/Fonts.h"

#include <QPainter>

namespace vesk {

FieldTitle::FieldTitle(const QString &text, QWidget *control, Palette::Role role, QWidget *parent)
    : QLabel(text, parent), m_role(role)
{
    setFont(Fonts::ui(13));
    setBuddy(control);
    // The relation is read between siblings; give the control its name too,
    // for platforms that read names only.
    control->setAccessibleName(text);
}

void FieldTitle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Palette::color(m_role));
    painter.setFont(font());
    painter.drawText(contentsRect(), int(alignment()) | Qt::TextForceLeftToRight, text());
}

} // namespace vesk
