// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "SharedObjects.h"

#include <QMainWindow>

namespace vesk {

class RootView;

// The main window "vesk": the root view, and the menus (About, Settings,
// Quit, "Navegació" with one item per section on Ctrl+1 … Ctrl+7, and
// "Finestra" with minimise, zoom and close).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr QSize defaultSize{1100, 760};
    static constexpr QSize minimumContentSize{800, 580};

    explicit MainWindow(SharedObjects shared, QWidget *parent = nullptr);

    RootView *rootView() const { return m_root; }

signals:
    void aboutRequested();
    void settingsRequested();

private:
    void buildMenus();
    void buildWindowMenu();
    // The window the "Finestra" commands act on: whichever of vesk's windows
    // is active, this one when none is.
    QWidget *commandTarget();

    SharedObjects m_shared;
    RootView *m_root;
};

} // namespace vesk
