// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SettingsView.h"

#include "AboutTab.h"
#include "CleanupTab.h"
#include "DesignSystem/DemoBadge.h"
#include "DesignSystem/DetailLine.h"
#include "DesignSystem/FieldTitle.h"
#include "DesignSystem/HorizontalRule.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/Layouts.h"
#include "DesignSystem/LinkButton.h"
#include "DesignSystem/QuietButton.h"
#include "DesignSystem/SectionTitle.h"
#include "DesignSystem/SegmentedControl.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/VeskMark.h"
#include "DesignSystem/accessibility/AccessibleFactory.h"
#include "DesignSystem/accessibility/Announcer.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "ExclusionsTab.h"
#include "GeneralTab.h"
#include "PermissionsTab.h"
#include "SettingsTabButton.h"
#include "SettingsTabList.h"
#include "VeskCore/Display.h"
#include "VeskCore/Preferences.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {

namespace {

struct TabEntry
{
    const char *title;
    QLatin1String symbol;
};

const TabEntry tabEntries[] = {
    {QT_TRANSLATE_NOOP("vesk::SettingsView", "General"), "gearshape"_symbol},
    {QT_TRANSLATE_NOOP("vesk::SettingsView", "Neteja"), "sparkles"_symbol},
    {QT_TRANSLATE_NOOP("vesk::SettingsView", "Exclusions"), "hand.raised"_symbol},
    {QT_TRANSLATE_NOOP("vesk::SettingsView", "Permisos"), "lock.shield"_symbol},
    {QT_TRANSLATE_NOOP("vesk::SettingsView", "Quant a"), "info.circle"_symbol},
};

QString translatedTitle(const TabEntry &entry)
{
    return QCoreApplication::translate("vesk::SettingsView", entry.title);
}

} // namespace

QStringList SettingsView::tabTitles()
{
    QStringList titles;
    for (const TabEntry &entry : tabEntries)
        titles << translatedTitle(entry);
    return titles;
}

SettingsView::SettingsView(Preferences &preferences, QWidget *parent)
    : QWidget(parent), m_preferences(preferences), m_tabs(new QButtonGroup(this)),
      m_scroll(new QScrollArea)
{
    AccessibleFactory::install();
    setWindowTitle(tr("Configuració"));
    setFixedSize(windowWidth, windowHeight);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 28, 28, 28);
    layout->setSpacing(14);

    auto *header = new QHBoxLayout;
    header->addWidget(
        new TextLabel(tr("Configuració"), Fonts::ui(24, QFont::DemiBold), Palette::Role::ink));
    header->addStretch(1);
    header->addWidget(new DemoBadge);
    layout->addLayout(header);

    auto *tabList = new SettingsTabList;
    tabList->setAccessibleName(tr("Seccions de la configuració"));
    auto *tabBar = new QHBoxLayout(tabList);
    tabBar->setContentsMargins(0, 0, 0, 0);
    tabBar->setSpacing(4);
    for (int i = 0; i < int(std::size(tabEntries)); ++i) {
        auto *button = new SettingsTabButton(tabEntries[i].symbol, translatedTitle(tabEntries[i]));
        m_tabs->addButton(button, i);
        tabBar->addWidget(button, 1);
        m_pages << nullptr;
    }
    layout->addWidget(tabList);
    layout->addWidget(new HorizontalRule(Palette::Role::secondary, 0.2));

    // One tab's page at a time in the view: each scrolls only when its own
    // content is taller than the window.
    QScrollArea *scroll = m_scroll;
    scroll->setFrameShape(QFrame::NoFrame);
    // Focus goes to the controls inside; a key they leave still scrolls.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setBackgroundRole(QPalette::Window);
    layout->addWidget(scroll, 1);

    // The preferences are kept for the session whatever the disk says; this
    // says so when the last change could not be stored.
    auto *unsaved = new InfoNote(tr("Aquest canvi no s’ha pogut desar al disc. Es manté fins que "
                                    "tanquis vesk."),
                                 "info.circle"_symbol);
    unsaved->setVisible(!m_preferences.lastWriteSucceeded());
    connect(&m_preferences, &Preferences::lastWriteSucceededChanged, unsaved,
            [this, unsaved] { unsaved->setVisible(!m_preferences.lastWriteSucceeded()); });
    layout->addWidget(unsaved);

    connect(m_tabs, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            showTab(id);
    });
    m_tabs->button(0)->setChecked(true);
}

QString SettingsView::tab() const
{
    const QAbstractButton *checked = m_tabs->checkedButton();
    return checked ? checked->text() : QString();
}

void SettingsView::setTab(const QString &title)
{
    const int index = int(tabTitles().indexOf(title));
    // Anything that is not one of the first four shows the about content.
    const int shown = index >= 0 ? index : int(std::size(tabEntries)) - 1;
    m_tabs->button(shown)->setChecked(true);
}

QStringList SettingsView::exclusions()
{
    return static_cast<ExclusionsTab *>(pageFor(exclusionsTab))->exclusions();
}

QWidget *SettingsView::currentPage() const
{
    return m_scroll->widget();
}

QWidget *SettingsView::pageFor(int index)
{
    if (m_pages.at(index))
        return m_pages.at(index);
    QWidget *page = nullptr;
    switch (index) {
    case 0:
        page = new GeneralTab(m_preferences);
        break;
    case 1:
        page = new CleanupTab(m_preferences);
        break;
    case exclusionsTab: {
        auto *exclusions = new ExclusionsTab;
        connect(exclusions, &ExclusionsTab::exclusionsChanged, this,
                &SettingsView::exclusionsChanged);
        page = exclusions;
        break;
    }
    case 3:
        page = new PermissionsTab;
        break;
    default:
        page = new AboutTab;
        break;
    }
    page->setParent(this); // kept, hidden, while another tab is shown
    page->hide();
    m_pages[index] = page;
    return page;
}

bool SettingsView::holdsControls(const QWidget *page)
{
    const QList<QWidget *> widgets = page->findChildren<QWidget *>();
    return std::any_of(widgets.cbegin(), widgets.cend(), [](const QWidget *widget) {
        return (widget->focusPolicy() & Qt::TabFocus) && !widget->isHidden();
    });
}

void SettingsView::showTab(int index)
{
    QWidget *page = pageFor(index);
    if (m_scroll->widget() != page) {
        if (QWidget *shown = m_scroll->takeWidget()) {
            shown->setParent(this);
            shown->hide();
        }
        m_scroll->setWidget(page);
        page->show();
    }
    // The view takes focus to scroll: it reads as the tab it shows.
    m_scroll->setAccessibleName(m_tabs->button(index)->text());
    // A page of text alone has nothing for Tab to reach: chosen from its
    // tab, it is read out. Asked once the arrow key is done: it checks the
    // tab before it moves the focus there.
    if (!holdsControls(page)) {
        QMetaObject::invokeMethod(
            this,
            [this, index, page] {
                if (m_tabs->button(index)->hasFocus() && m_scroll->widget() == page)
                    Announcer::announce(this, Announcer::sentences(Announcer::spokenTexts(page)));
            },
            Qt::QueuedConnection);
    }
    emit tabChanged();
}

} // namespace vesk
