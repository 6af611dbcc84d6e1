// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "LockedCheckBox.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace vesk {

LockedCheckBox::LockedCheckBox(const QString &text, QWidget *parent) : QCheckBox(text, parent)
{
    AccessibleFactory::install();
    // Not checkable: a click, Space or a screen reader's action changes nothing.
    setCheckable(false);
}

void LockedCheckBox::paintEvent(QPaintEvent *)
{
    // Drawn as the style draws a disabled check box; the focus frame stays,
    // so the eye follows the keyboard here too.
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_Enabled;
    option.palette.setCurrentColorGroup(QPalette::Disabled);
    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_CheckBox, option);
}

} // namespace vesk
