// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "RootView.h"

#include "DesignSystem/FocusHandoff.h"

#include "ScreenFactory.h"
#include "Sidebar.h"
#include "TitleBar.h"
#include "VeskCore/Display.h"
#include "VeskCore/NavigationState.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk {

RootView::RootView(SharedObjects shared, QWidget *parent)
    : QWidget(parent), m_shared(shared), m_sidebar(new Sidebar(shared)), m_titleBar(new TitleBar)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_sidebar);

    auto *detail = new QWidget;
    detail->setBackgroundRole(QPalette::Window);
    detail->setAutoFillBackground(true);
    m_detail = new QVBoxLayout(detail);
    m_detail->setContentsMargins(0, 0, 0, 0);
    m_detail->setSpacing(0);
    m_detail->addWidget(m_titleBar);
    layout->addWidget(detail, 1);

    connect(m_sidebar, &Sidebar::settingsRequested, this, &RootView::settingsRequested);
    connect(&m_shared.navigation, &NavigationState::selectionChanged, this, [this] {
        showSection();
        // Chosen by a shortcut, the menu or a button of the old screen: the
        // focus goes where the new section starts, and a screen reader reads
        // the section (the screen's name) on the way in. Chosen in the
        // sidebar's list, the focus stays there.
        if (!m_sidebar->isChoosing() && window()->isActiveWindow())
            FocusHandoff::toFirstControl(m_screen);
    });
    showSection();
}

void RootView::showSection()
{
    const Section section = m_shared.navigation.selection();
    if (m_screen) {
        // The old screen may be the sender of this change (a button on it
        // chose another section), so it goes once control returns.
        m_detail->removeWidget(m_screen);
        m_screen->hide();
        m_screen->deleteLater();
    }
    m_screen = ScreenFactory::create(section, m_shared);
    // Read as the section it shows when the focus enters it.
    m_screen->setAccessibleName(Display::title(section));
    m_detail->addWidget(m_screen, 1);
    // Shown now rather than on the next turn of the event loop, so no frame
    // is painted without it.
    m_screen->show();
    m_titleBar->setTitle(Display::title(section));
    emit screenChanged();
}

} // namespace vesk
