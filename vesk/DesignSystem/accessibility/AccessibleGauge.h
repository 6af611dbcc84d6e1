// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAccessibleWidget>

namespace vesk {

class GaugeBar;

// A GaugeBar: a progress bar named after its title. A figure's gauge reads
// the figure it stands for ("128 GB") in its description and offers no
// value to change; a live progress also answers the value interface, whose
// fraction is the percentage shown beside it.
class AccessibleGauge : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleGauge(GaugeBar *gauge);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &) override {} // shows, never sets
    QVariant maximumValue() const override { return 1.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }

private:
    GaugeBar *gauge() const;
};

} // namespace vesk
