// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QStringList>

class QWidget;

// Tells a screen reader what changed on screen where the person's focus is
// not: a total that followed a tick, a new step, a revealed example. It
// never moves the focus.
//
// From Qt 6.8 this is Qt's own announcement, which reaches AT-SPI and, on a
// Mac, VoiceOver. Before it, Qt's bridge has no announcement, and a name or
// description change carries the object instead of the text, which screen
// readers drop; there the message is shown as a notification in a status
// area of the window (AnnouncementArea), which they speak at once.
namespace vesk::Announcer {

// Announces `message` on behalf of `source`, the widget whose change it is.
void announce(QWidget *source, const QString &message);

// What a screen reader reads of `widget`: its accessible name, or, for a
// widget without one (a title with its subtitle), the names of what it holds.
QString spokenText(QWidget *widget);
// The same, one entry per node that has a name of its own, in order.
QStringList spokenTexts(QWidget *widget);
// Texts read one after the other as sentences: each ends in a full stop
// unless it already ends in punctuation; empty ones are left out.
QString sentences(const QStringList &texts);
// What is said when the control labelled `action` can now be used, or no
// longer can.
QString availability(const QString &action, bool available);

} // namespace vesk::Announcer
