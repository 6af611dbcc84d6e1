// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "VeskCore/Models.h"

#include "DesignSystem/accessibility/AccessibleKind.h"
#include "DesignSystem/text/TextRun.h"

#include <QWidget>

namespace vesk {

// The legend of the disk ring: per category a colour swatch, the name and
// the whole gigabytes. Painted as one widget and read as one list.
class DiskLegend : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    QAccessible::Role accessibleRole() const override { return QAccessible::List; }
    QList<PaintedText> paintedTexts() const override;

    static constexpr int rowSpacing = 11;

    explicit DiskLegend(const QList<DiskCategory> &categories, QWidget *parent = nullptr);

    // "116 GB": the whole gigabytes, truncated.
    static QString figure(const DiskCategory &category);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    // Where row `index` sits.
    QRectF rowRect(qsizetype index) const;
    // Each row's name and figure, as painted and as read.
    QList<TextRun> textRuns() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<DiskCategory> m_categories;
};

} // namespace vesk
