// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "SharedObjects.h"

#include <QPointer>
#include <QWidget>

class QVBoxLayout;

namespace vesk {

class Sidebar;
class TitleBar;

// The main window's content: the sidebar, and a detail column with the title
// bar and the screen of the selected section. A new screen is created each
// time the selection changes, so every screen starts from its default state.
class RootView : public QWidget
{
    Q_OBJECT

public:
    RootView(SharedObjects shared, QWidget *parent = nullptr);

    Sidebar *sidebar() const { return m_sidebar; }
    TitleBar *titleBar() const { return m_titleBar; }
    QWidget *screen() const { return m_screen; }

signals:
    void settingsRequested();
    void screenChanged();

private:
    void showSection();

    SharedObjects m_shared;
    Sidebar *m_sidebar;
    TitleBar *m_titleBar;
    QVBoxLayout *m_detail;
    QPointer<QWidget> m_screen;
};

} // namespace vesk
