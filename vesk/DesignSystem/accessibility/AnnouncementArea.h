// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "AccessibleKind.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace vesk {

class Announcement;

// An invisible status area of one window, where announcements appear as
// notifications for screen readers that have no announcement event to
// listen to (Announcer). A screen reader speaks a notification that appears
// inside a status bar without naming its role.
//
// Every message is a notification of its own: a screen reader asks for the
// text after the event, and a reused node could by then say the next one.
// The latest two are kept, so the one being asked about is still there.
class AnnouncementArea : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    QAccessible::Role accessibleRole() const override { return QAccessible::StatusBar; }

    // The area that speaks for `widget`: the one of the window that owns its
    // window (a sheet's or an alert's parent window), made when first asked.
    // Not the sheet's own: a screen reader reads a dialog again, all of it,
    // before any notification inside it.
    static AnnouncementArea *of(QWidget *widget);

    // Shows `message` once the current turn of the event loop is over,
    // after whatever else was said in it.
    void say(const QString &message);

private:
    explicit AnnouncementArea(QWidget *window);
    void showPending();

    QStringList m_pending;
    QPointer<Announcement> m_latest;
    QPointer<Announcement> m_previous;
};

} // namespace vesk
