// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Card.h"
#include "DesignSystem/accessibility/AccessibleKind.h"

#include <optional>

namespace vesk {

// One figure with a gauge: a title and symbol, the value in large rounded
// type, a detail line, a bar when a fraction is given (five mint bars
// otherwise) and a note. Each text is a text of its own, for the eye and for
// assistive technology; the bar reads as a progress bar named after the
// title whose value is the figure ("128 GB").
class MetricCard : public Card, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    static constexpr int contentHeight = 136;

    MetricCard(const QString &title, const QString &symbol, const QString &value,
               const QString &detail, std::optional<double> fraction, const QString &note,
               QWidget *parent = nullptr);

    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

} // namespace vesk
