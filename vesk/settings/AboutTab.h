// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QStringList>
#include <QWidget>

namespace vesk {

// The settings window's About tab: the mark, the version and the credits.
class AboutTab : public QWidget
{
    Q_OBJECT

public:
    explicit AboutTab(QWidget *parent = nullptr);

    // The Qt modules this build links ("Core", …, "D-Bus" where it asks the
    // desktop portal).
    static QStringList qtModules();
};

} // namespace vesk
