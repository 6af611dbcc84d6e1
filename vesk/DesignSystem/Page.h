// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QScrollArea>

class QVBoxLayout;

namespace vesk {

class Preferences;

// The scaffold of every main screen: a vertical scroll view holding a column
// at most 1250 wide, centred, padded 30, whose blocks sit 26 apart (18 with
// compact cards; the spacing follows the preference live).
class Page : public QScrollArea, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    static constexpr int maximumColumnWidth = 1250;
    static constexpr int padding = 30;
    static int spacing(bool compactCards) { return compactCards ? 18 : 26; }

    explicit Page(Preferences &preferences, QWidget *parent = nullptr);

    // A named region: a screen reader says the section's name as the focus
    // enters it, as it does for any named group.
    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }

    void addWidget(QWidget *widget);
    void addLayout(QLayout *layout);
    void addStretch();
    QVBoxLayout *columnLayout() const { return m_column; }

private:
    Preferences &m_preferences;
    QVBoxLayout *m_column;
};

} // namespace vesk
