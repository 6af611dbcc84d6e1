// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

class QWidget;

namespace vesk::FocusHandoff {

// Whether the keyboard focus of `area`'s window is on `area` or inside it
// (also while another window, such as an alert, is active). Asked before a part
// of a screen is replaced: hiding it would push the focus on along the tab
// chain, out of the screen and into the sidebar.
bool isInside(const QWidget *area);

// Gives the keyboard focus to `control` as Tab would, when it can take it.
// Returns whether it did.
bool give(QWidget *control);

// Gives the keyboard focus to the first control of `area` that Tab reaches
// (or to `area` itself when it takes focus and holds none); nothing changes
// when there is none. Returns whether the focus moved.
bool toFirstControl(QWidget *area);

} // namespace vesk::FocusHandoff
