// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

class QString;
class QWidget;

namespace vesk {
class TextLabel;
}

namespace vesk::AccessibleRoles {

// Installs the accessibility factory that honours the marks below. The marks
// install it themselves; safe to call more than once.
void install();

// Reads a TextLabel as a heading.
void markHeading(TextLabel *label);

// Hides a purely decorative widget from assistive technology.
void markDecorative(QWidget *widget);

// Reads the widget as a progress bar whose value is announced as `text`
// ("128 GB") rather than as a bare number.
void markGauge(QWidget *widget, const QString &text);

} // namespace vesk::AccessibleRoles
