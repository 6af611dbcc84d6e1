// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAccessible>

class QAbstractButton;
class QString;
class QWidget;

namespace vesk {
class TextLabel;
}

namespace vesk::AccessibleRoles {

// Installs the accessibility factory that honours the marks below and gives
// every button of the app one activation path (see AccessibleButton). The
// marks install it themselves; safe to call more than once.
void install();

// Reads a TextLabel as a heading.
void markHeading(TextLabel *label);

// Hides a purely decorative widget from assistive technology: an unnamed,
// invisible graphic that screen readers skip.
void markDecorative(QWidget *widget);

// Reads a dividing line as a separator.
void markSeparator(QWidget *widget);

// Reads the widget as a progress bar at `fraction` (0 to 1) through the value
// interface, whose figure as people read it ("128 GB") is `text`.
void markGauge(QWidget *widget, const QString &text, double fraction);

// Reads a top-level widget as a window, so it is announced as one. Mark
// before setting the title.
void markWindow(QWidget *widget);

// How a checkable button reads: a radio button in a group of exclusive
// segments, a page tab in a tab list (selected when checked), or a check box.
void markButtonRole(QAbstractButton *button, QAccessible::Role role);

// Reads a widget with the given role: a group of related controls
// (segments, a tab list), a chart. Mark before naming the widget: naming it
// already asks for its accessible interface.
void markRole(QWidget *widget, QAccessible::Role role);

// Tells assistive technology that the text a widget shows has changed, as
// Qt's own labels do: a name change, or a description change.
void notifyNameChanged(QWidget *widget);
void notifyDescriptionChanged(QWidget *widget);

} // namespace vesk::AccessibleRoles
