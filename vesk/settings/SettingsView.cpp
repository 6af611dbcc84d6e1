// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SettingsView.h"

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
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
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

constexpr int contentSpacing = 21;

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

// A tab's content: a leading-aligned stack with 21 between elements.
QVBoxLayout *contentStack(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    // Room on the right for the scroll bar when the content is taller.
    layout->setContentsMargins(0, 5, 14, 5);
    layout->setSpacing(contentSpacing);
    return layout;
}

// A control with its label on the left, as a form row.
QHBoxLayout *labelledRow(const QString &label, QWidget *control)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(new FieldTitle(label, control));
    row->addWidget(control);
    row->addStretch(1);
    return row;
}

QCheckBox *toggle(const QString &text)
{
    auto *box = new QCheckBox(text);
    box->setFont(Fonts::ui(13));
    return box;
}

QComboBox *picker(const QStringList &choices)
{
    auto *box = new QComboBox;
    box->setFont(Fonts::ui(13));
    box->addItems(choices);
    return box;
}

} // namespace

QStringList SettingsView::tabTitles()
{
    QStringList titles;
    for (const TabEntry &entry : tabEntries)
        titles << translatedTitle(entry);
    return titles;
}

QStringList SettingsView::scanCategories()
{
    return {tr("Fitxers temporals"), tr("Fitxers grans"), tr("Aplicacions")};
}

QStringList SettingsView::exampleChoices()
{
    return {tr("Arxiu familiar"), tr("Aplicació Taller"), tr("Fitxer Llibre.pdf")};
}

SettingsView::SettingsView(Preferences &preferences, QWidget *parent)
    : QWidget(parent), m_preferences(preferences), m_tabs(new QButtonGroup(this)),
      m_scroll(new QScrollArea), m_exclusions{tr("Documents personals"), tr("Recursos compartits")},
      m_excludedExample(exampleChoices().first())
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
    connect(&m_preferences, &Preferences::excludedCategoriesChanged, this,
            &SettingsView::syncCategoryToggles);
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

QStringList SettingsView::exclusions() const
{
    QStringList sorted(m_exclusions.cbegin(), m_exclusions.cend());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
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
        page = buildGeneral();
        break;
    case 1:
        page = buildCleanup();
        break;
    case 2:
        page = buildExclusions();
        break;
    case 3:
        page = buildPermissions();
        break;
    default:
        page = buildAbout();
        break;
    }
    page->setParent(this); // kept, hidden, while another tab is shown
    page->hide();
    m_pages[index] = page;
    return page;
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
    emit tabChanged();
}

QWidget *SettingsView::buildGeneral()
{
    auto *page = new QWidget;
    auto *stack = contentStack(page);

    QStringList appearances;
    for (Appearance appearance : allCases<Appearance>())
        appearances << QCoreApplication::translate("vesk::Appearance",
                                                   rawValue(appearance).toUtf8().constData());
    auto *appearance = new SegmentedControl(tr("Aparença"), appearances);
    appearance->setCurrentIndex(int(m_preferences.appearance()));
    connect(appearance, &SegmentedControl::currentIndexChanged, this,
            [this](int index) { m_preferences.setAppearance(allCases<Appearance>().at(index)); });
    connect(&m_preferences, &Preferences::appearanceChanged, appearance,
            [this, appearance] { appearance->setCurrentIndex(int(m_preferences.appearance())); });
    stack->addLayout(labelledRow(tr("Aparença"), appearance));

    QStringList sections;
    for (Section section : allCases<Section>())
        sections << Display::title(section);
    auto *startSection = picker(sections);
    startSection->setCurrentIndex(int(m_preferences.startSection()));
    connect(startSection, &QComboBox::activated, this,
            [this](int index) { m_preferences.setStartSection(allCases<Section>().at(index)); });
    stack->addLayout(labelledRow(tr("En obrir vesk"), startSection));

    auto *compact = toggle(tr("Espaiat compacte entre targetes"));
    compact->setChecked(m_preferences.compactCards());
    connect(compact, &QCheckBox::toggled, this,
            [this](bool on) { m_preferences.setCompactCards(on); });
    stack->addWidget(compact);

    stack->addWidget(new DetailLine(tr("Idioma"), tr("Català")));
    stack->addWidget(new InfoNote(tr("El català és l’idioma disponible. L’estructura de traducció "
                                     "està preparada per a anglès, castellà i francès."),
                                  "info.circle"_symbol));
    stack->addWidget(new DetailLine(tr("Notificacions"), tr("No disponibles en la demostració")));
    stack->addWidget(
        new DetailLine(tr("Recordatoris opcionals"), tr("No programats · fase futura")));
    stack->addStretch(1);
    return page;
}

QWidget *SettingsView::buildCleanup()
{
    auto *page = new QWidget;
    auto *stack = contentStack(page);
    stack->addWidget(new SectionTitle(tr("Categories de la simulació")));

    for (const QString &category : scanCategories()) {
        auto *box = toggle(category);
        box->setChecked(!m_preferences.excludedCategories().contains(category));
        connect(box, &QCheckBox::toggled, this,
                [this, category](bool on) { m_preferences.setCategoryExcluded(category, !on); });
        m_categoryToggles << box;
        stack->addWidget(box);
    }

    auto *preselect = toggle(tr("Preselecciona candidats de baix risc"));
    preselect->setChecked(m_preferences.preselectLowRisk());
    connect(preselect, &QCheckBox::toggled, this,
            [this](bool on) { m_preferences.setPreselectLowRisk(on); });
    stack->addWidget(preselect);

    stack->addWidget(
        new InfoNote(tr("Els canvis de categoria s’apliquen a la propera anàlisi "
                        "simulada. Els elements personals sempre comencen desmarcats."),
                     "info.circle"_symbol));
    stack->addWidget(new DetailLine(tr("Confirmació explícita"), tr("Sempre obligatòria")));
    stack->addWidget(new DetailLine(tr("Destinació prevista"), tr("Paperera (simulada)")));
    stack->addWidget(new DetailLine(tr("Política"), tr("Sense eliminació permanent")));
    stack->addStretch(1);
    return page;
}

void SettingsView::syncCategoryToggles()
{
    const QStringList categories = scanCategories();
    for (qsizetype i = 0; i < m_categoryToggles.size(); ++i) {
        QCheckBox *box = m_categoryToggles.at(i);
        const QSignalBlocker blocker(box);
        box->setChecked(!m_preferences.excludedCategories().contains(categories.at(i)));
    }
}

QWidget *SettingsView::buildExclusions()
{
    auto *page = new QWidget;
    auto *stack = contentStack(page);
    stack->addWidget(new SectionTitle(tr("Exclusions de mostra")));
    stack->addWidget(new InfoNote(tr("Aquest editor valida la presentació de les exclusions. "
                                     "Només conté noms ficticis i no selecciona carpetes del Mac. "
                                     "La política real es definirà en una fase posterior."),
                                  "info.circle"_symbol));

    auto *rows = new QWidget;
    m_exclusionRows = new QVBoxLayout(rows);
    m_exclusionRows->setContentsMargins(0, 0, 0, 0);
    m_exclusionRows->setSpacing(contentSpacing);
    stack->addWidget(rows);

    auto *example = picker(exampleChoices());
    m_addExclusion = new QuietButton(tr("Afegeix"));
    connect(example, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        m_excludedExample = text;
        m_addExclusion->setEnabled(!m_exclusions.contains(m_excludedExample));
    });
    connect(m_addExclusion, &QPushButton::clicked, this, [this] {
        if (m_exclusions.contains(m_excludedExample))
            return;
        m_exclusions.insert(m_excludedExample);
        rebuildExclusionRows();
    });
    auto *addRow = labelledRow(tr("Exemple"), example);
    addRow->insertWidget(addRow->count() - 1, m_addExclusion);
    stack->addLayout(addRow);
    stack->addStretch(1);

    rebuildExclusionRows();
    return page;
}

void SettingsView::rebuildExclusionRows()
{
    Layouts::clear(m_exclusionRows);
    for (const QString &name : exclusions()) {
        auto *row = new QWidget;
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(8);
        layout->addWidget(new SymbolView("lock"_symbol, 14, Palette::Role::secondary));
        layout->addWidget(new TextLabel(name, Fonts::ui(13), Palette::Role::ink));
        layout->addStretch(1);
        auto *remove = new LinkButton(QString(), tr("Retira de l’exemple"), Fonts::ui(13),
                                      Palette::Role::accent);
        remove->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        remove->setAccessibleDescription(name);
        connect(remove, &LinkButton::clicked, this, [this, name] {
            m_exclusions.remove(name);
            rebuildExclusionRows();
        });
        layout->addWidget(remove);
        m_exclusionRows->addWidget(row);
    }
    m_exclusionRows->parentWidget()->setVisible(!m_exclusions.isEmpty());
    m_addExclusion->setEnabled(!m_exclusions.contains(m_excludedExample));
    emit exclusionsChanged();
}

QWidget *SettingsView::buildPermissions()
{
    auto *page = new QWidget;
    auto *stack = contentStack(page);
    auto *heading = new QHBoxLayout;
    heading->setSpacing(8);
    heading->addWidget(new SymbolView("checkmark.shield"_symbol, 16, Palette::Role::accent));
    heading->addWidget(new TextLabel(tr("Cap permís de sistema sol·licitat"),
                                     Fonts::ui(13, QFont::DemiBold), Palette::Role::ink));
    heading->addStretch(1);
    stack->addLayout(heading);
    stack->addWidget(new DetailLine(tr("Accés complet al disc"), tr("No sol·licitat")));
    stack->addWidget(new DetailLine(tr("Carpetes personals"), tr("Sense accés")));
    stack->addWidget(new DetailLine(tr("Notificacions"), tr("No sol·licitades")));
    stack->addWidget(new DetailLine(tr("Telemetria i xarxa"), tr("Sense connexions")));
    stack->addWidget(new InfoNote(tr("En una fase futura, cada accés s’explicarà abans de "
                                     "demanar-lo. La demostració només desa les preferències "
                                     "visuals de vesk."),
                                  "info.circle"_symbol));
    stack->addStretch(1);
    return page;
}

QWidget *SettingsView::buildAbout()
{
    auto *page = new QWidget;
    auto *stack = contentStack(page);

    auto *identity = new QHBoxLayout;
    identity->setSpacing(18);
    auto *mark = new VeskMark(true);
    mark->setFixedSize(82, 82);
    identity->addWidget(mark);
    auto *names = new QVBoxLayout;
    names->setSpacing(5);
    names->addStretch(1);
    auto *wordmark =
        new TextLabel(QStringLiteral("vesk."), Fonts::ui(32, QFont::DemiBold), Palette::Role::ink);
    names->addWidget(wordmark);
    names->addWidget(
        new TextLabel(tr("El teu Mac, en forma."), Fonts::ui(13), Palette::Role::secondary));
    names->addWidget(
        new TextLabel(tr("Versió 0.1 · Fase 1"), Fonts::ui(11), Palette::Role::secondary));
    names->addStretch(1);
    identity->addLayout(names);
    identity->addStretch(1);
    stack->addLayout(identity);

    auto *summary =
        new TextLabel(tr("Una aplicació nativa per cuidar el Mac amb calma, claredat i control."),
                      Fonts::ui(13), Palette::Role::ink);
    summary->setWordWrap(true);
    stack->addWidget(summary);
    stack->addWidget(new DetailLine(tr("Desenvolupament"), tr("Projecte vesk · Equip de vesk")));
    stack->addWidget(new DetailLine(tr("Tecnologia"), tr("C++20 · Qt Widgets · QPainter")));
    stack->addWidget(
        new DetailLine(tr("Dependències externes"), tr("Qt 6 (Core, Gui, Widgets, Svg, D-Bus)")));
    stack->addWidget(
        new DetailLine(tr("Tipus de lletra"), tr("Inter i Quicksand · SIL Open Font License 1.1")));
    stack->addWidget(new DetailLine(tr("Icones"), tr("Phosphor Icons · llicència MIT")));
    auto *licence = new TextLabel(
        tr("Identitat vectorial original. Tipus de lletra, icones i Qt (LGPL v3) subjectes a les "
           "seves llicències, els textos de les quals s’instal·len amb vesk. Prototip de "
           "desenvolupament sense signatura de distribució."),
        Fonts::ui(11), Palette::Role::secondary);
    licence->setWordWrap(true);
    stack->addWidget(licence);
    stack->addStretch(1);
    return page;
}

} // namespace vesk
