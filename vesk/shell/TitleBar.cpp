// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TitleBar.h"

#include "DesignSystem/DemoBadge.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"

#include <QHBoxLayout>
#include <QPainter>

namespace vesk {

TitleBar::TitleBar(QWidget *parent)
    : QWidget(parent),
      m_title(new TextLabel(QString(), Fonts::ui(12, QFont::Medium), Palette::Role::secondary))
{
    setFixedHeight(barHeight);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(30, 0, 30, 0);
    layout->addWidget(m_title);
    layout->addStretch(1);
    layout->addWidget(new DemoBadge);
}

QString TitleBar::title() const
{
    return m_title->text();
}

void TitleBar::setTitle(const QString &title)
{
    m_title->setText(title);
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Palette::background());
}

} // namespace vesk
