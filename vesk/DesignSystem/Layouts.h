// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

class QLayout;
class QWidget;

namespace vesk::Layouts {

// A plain widget holding `layout`, without margins.
QWidget *widgetFor(QLayout *layout);

// Empties `layout`; its widgets are hidden at once and deleted once control
// returns to the event loop (one of them may be running the click that
// caused this).
void clear(QLayout *layout);

} // namespace vesk::Layouts
