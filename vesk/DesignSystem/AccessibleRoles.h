#pragma once

class QWidget;

namespace vesk::AccessibleRoles {

// Installs the accessibility factory that honours the marks below. Safe to
// call more than once.
void install();

// Reads the widget (a label) as a heading.
void markHeading(QWidget *widget);

// Hides a purely decorative widget from assistive technology.
void markDecorative(QWidget *widget);

} // namespace vesk::AccessibleRoles
