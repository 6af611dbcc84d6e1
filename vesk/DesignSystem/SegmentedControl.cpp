// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SegmentedControl.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "Palette.h"
#include "SegmentButton.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>

namespace vesk {

SegmentedControl::SegmentedControl(const QString &accessibleName, const QStringList &titles,
                                   QWidget *parent)
    : QWidget(parent), m_group(new QButtonGroup(this))
{
    // Read as a group of radio buttons: the group's name, then the segment.
    AccessibleFactory::install();
    setAccessibleName(accessibleName);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    for (int i = 0; i < titles.size(); ++i) {
        auto *segment = new SegmentButton(titles.at(i));
        m_group->addButton(segment, i);
        layout->addWidget(segment);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &SegmentedControl::currentIndexChanged);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

int SegmentedControl::currentIndex() const
{
    return m_group->checkedId();
}

void SegmentedControl::setCurrentIndex(int index)
{
    if (QAbstractButton *button = m_group->button(index))
        button->setChecked(true);
}

int SegmentedControl::count() const
{
    return int(m_group->buttons().size());
}

QString SegmentedControl::title(int index) const
{
    const QAbstractButton *button = m_group->button(index);
    return button ? button->text() : QString();
}

void SegmentedControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::wash());
    painter.drawRoundedRect(QRectF(rect()), 8, 8);
}

} // namespace vesk
