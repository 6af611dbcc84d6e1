// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

namespace vesk {

class Preferences;

// The settings window's General tab: appearance, start section, compact
// cards, and what the demonstration says of language and notifications.
class GeneralTab : public QWidget
{
    Q_OBJECT

public:
    explicit GeneralTab(Preferences &preferences, QWidget *parent = nullptr);

private:
    Preferences &m_preferences;
};

} // namespace vesk
