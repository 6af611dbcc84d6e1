// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "MainWindow.h"

#include "RootView.h"
#include "ScreenFactory.h"
#include "VeskCore/Display.h"
#include "VeskCore/NavigationState.h"

#include <QApplication>
#include <QMenuBar>

namespace vesk {

MainWindow::MainWindow(SharedObjects shared, QWidget *parent)
    : QMainWindow(parent), m_shared(shared), m_root(new RootView(shared))
{
    setWindowTitle(QStringLiteral("vesk"));
    m_root->setMinimumSize(minimumContentSize);
    setCentralWidget(m_root);
    resize(defaultSize);
    connect(m_root, &RootView::settingsRequested, this, &MainWindow::settingsRequested);
    buildMenus();
}

void MainWindow::buildMenus()
{
    // Explicit roles: on macOS the default heuristic would move any item whose
    // text merely looks like "about" or "settings" into the application menu.
    QMenu *app = menuBar()->addMenu(QStringLiteral("vesk"));
    QAction *about = app->addAction(tr("Quant a vesk"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &MainWindow::aboutRequested);

    QAction *settings = app->addAction(tr("Configuració…"));
    settings->setMenuRole(QAction::PreferencesRole);
    // QKeySequence::Preferences has no binding on Linux.
    settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(settings, &QAction::triggered, this, &MainWindow::settingsRequested);

    app->addSeparator();
    QAction *quit = app->addAction(tr("Surt de vesk"));
    quit->setMenuRole(QAction::QuitRole);
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, qApp, &QApplication::closeAllWindows);

    QMenu *navigation = menuBar()->addMenu(tr("Navegació"));
    const QList<Section> sections = allCases<Section>();
    for (int offset = 0; offset < sections.size(); ++offset) {
        const Section section = sections.at(offset);
        QAction *item = navigation->addAction(Display::title(section));
        item->setMenuRole(QAction::NoRole);
        item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + offset)));
        connect(item, &QAction::triggered, this,
                [this, section] { m_shared.navigation.setSelection(section); });
    }
    buildWindowMenu();
}

void MainWindow::buildWindowMenu()
{
    // The window commands a Mac user expects in every application; Linux
    // desktops share Ctrl+W, and Ctrl+M does no harm there. Windows has its
    // own in the title bar.
#ifndef Q_OS_WIN
    QMenu *windows = menuBar()->addMenu(tr("Finestra"));
    QAction *minimise = windows->addAction(tr("Minimitza"));
    minimise->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(minimise, &QAction::triggered, this, [this] { commandTarget()->showMinimized(); });
    QAction *zoom = windows->addAction(tr("Zoom"));
    connect(zoom, &QAction::triggered, this, [this] {
        QWidget *window = commandTarget();
        window->isMaximized() ? window->showNormal() : window->showMaximized();
    });
    windows->addSeparator();
    QAction *close = windows->addAction(tr("Tanca la finestra"));
    close->setShortcuts(QKeySequence::Close);
    connect(close, &QAction::triggered, this, [this] { commandTarget()->close(); });
    // The settings window has no menu bar of its own: these reach it too.
    for (QAction *action : {minimise, close})
        action->setShortcutContext(Qt::ApplicationShortcut);
    for (QAction *action : windows->actions())
        action->setMenuRole(QAction::NoRole);
#endif
}

QWidget *MainWindow::commandTarget()
{
    QWidget *active = QApplication::activeWindow();
    return active ? active : this;
}

} // namespace vesk
