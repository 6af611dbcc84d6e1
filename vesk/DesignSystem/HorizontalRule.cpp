// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "HorizontalRule.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"

#include <QPainter>

namespace vesk {

HorizontalRule::HorizontalRule(Palette::Role role, qreal opacity, QWidget *parent)
    : QWidget(parent), m_role(role), m_opacity(opacity)
{
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    AccessibleFactory::install();
}

void HorizontalRule::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Palette::color(m_role, m_opacity));
}

} // namespace vesk
