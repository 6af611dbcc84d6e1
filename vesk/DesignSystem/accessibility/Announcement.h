// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "AccessibleKind.h"

#include <QWidget>

namespace vesk {

// One message of an AnnouncementArea, read as a notification whose name is
// the message. It paints nothing and takes no room.
class Announcement : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    Announcement(const QString &message, QWidget *parent);

    QAccessible::Role accessibleRole() const override { return QAccessible::Notification; }
};

} // namespace vesk
