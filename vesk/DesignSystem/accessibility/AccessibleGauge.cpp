// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessibleGauge.h"

#include "DesignSystem/GaugeBar.h"

#include <QWidget>

namespace vesk {

AccessibleGauge::AccessibleGauge(GaugeBar *gauge)
    : QAccessibleWidget(gauge, QAccessible::ProgressBar)
{}

GaugeBar *AccessibleGauge::gauge() const
{
    return static_cast<GaugeBar *>(widget());
}

void *AccessibleGauge::interface_cast(QAccessible::InterfaceType type)
{
    // A value interface brings Increase and Decrease with it on the bus:
    // only a live progress, whose fraction is the figure shown, has one.
    if (type == QAccessible::ValueInterface && gauge()->reading() == GaugeBar::Reading::progress)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleGauge::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value ||
        (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()))
        return gauge()->text();
    return QAccessibleWidget::text(t);
}

QVariant AccessibleGauge::currentValue() const
{
    return gauge()->fraction();
}

} // namespace vesk
