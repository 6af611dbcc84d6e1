// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAccessibleWidget>

namespace vesk {

class TextLabel;

// A TextLabel: static text, or a heading, named by the text it shows.
class AccessibleText : public QAccessibleWidget
{
public:
    explicit AccessibleText(TextLabel *label);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;

private:
    TextLabel *label() const;
};

} // namespace vesk
