// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessibleText.h"

#include "DesignSystem/text/TextLabel.h"

#include <QWidget>

namespace vesk {

AccessibleText::AccessibleText(TextLabel *label) : QAccessibleWidget(label, QAccessible::StaticText)
{}

TextLabel *AccessibleText::label() const
{
    return static_cast<TextLabel *>(widget());
}

// Asked each time: a label may become a heading after Qt first asked.
QAccessible::Role AccessibleText::role() const
{
    return label()->isHeading() ? QAccessible::Heading : QAccessible::StaticText;
}

QString AccessibleText::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return label()->text();
    return QAccessibleWidget::text(t);
}

} // namespace vesk
