// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QStringList>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QVBoxLayout;
class QWidget;

// What every tab of the settings window is made of.
namespace vesk::SettingsForm {

// The space between a tab's elements.
inline constexpr int spacing = 21;

// A tab's content: a leading-aligned stack, room on the right for the scroll
// bar when the content is taller than the window.
QVBoxLayout *stack(QWidget *page);
// A control with its title on the left, as a form row.
QHBoxLayout *labelledRow(const QString &label, QWidget *control);
QCheckBox *toggle(const QString &text);
QComboBox *picker(const QStringList &choices);

} // namespace vesk::SettingsForm
