// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

class QButtonGroup;

namespace vesk {

// A row of mutually exclusive segments, like a radio group drawn as one
// control. Each segment is a real button, so the keyboard (Tab to the group,
// arrows between segments) and screen readers work as with radio buttons.
class SegmentedControl : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    // A named group of exclusive segments.
    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }

    SegmentedControl(const QString &accessibleName, const QStringList &titles,
                     QWidget *parent = nullptr);

    int currentIndex() const;
    void setCurrentIndex(int index);
    int count() const;
    QString title(int index) const;

signals:
    // Only for changes the user makes.
    void currentIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QButtonGroup *m_group;
};

} // namespace vesk
