// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "StorageView.h"

#include "DesignSystem/Card.h"
#include "DesignSystem/EmptyState.h"
#include "DesignSystem/FieldTitle.h"
#include "DesignSystem/FocusHandoff.h"
#include "DesignSystem/HorizontalRule.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/Layouts.h"
#include "DesignSystem/LinkButton.h"
#include "DesignSystem/ModalHeader.h"
#include "DesignSystem/PageHeader.h"
#include "DesignSystem/Picker.h"
#include "DesignSystem/QuietButton.h"
#include "DesignSystem/SegmentedControl.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "StorageDetail.h"
#include "StorageRow.h"
#include "Treemap.h"
#include "TreemapBlock.h"
#include "VeskCore/DemoFilters.h"
#include "VeskCore/DemoSession.h"
#include "VeskCore/Display.h"
#include "VeskCore/NavigationState.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {

namespace {

struct Choice
{
    const char *title;
    int value;
};

const Choice sizeChoices[] = {
    {QT_TRANSLATE_NOOP("vesk::StorageView", "Més d’1 GB"), 1},
    {QT_TRANSLATE_NOOP("vesk::StorageView", "A partir de 8 GB"), 8},
    {QT_TRANSLATE_NOOP("vesk::StorageView", "A partir de 20 GB"), 20},
};
const Choice ageChoices[] = {
    {QT_TRANSLATE_NOOP("vesk::StorageView", "6 mesos"), 180},
    {QT_TRANSLATE_NOOP("vesk::StorageView", "1 any"), 365},
    {QT_TRANSLATE_NOOP("vesk::StorageView", "2 anys"), 730},
};

// A picker and its title together.
constexpr int pickerWidth = 280;

template <std::size_t N>
QComboBox *choicePicker(const QString &label, const Choice (&choices)[N], int current)
{
    auto *picker = new Picker;
    picker->setAccessibleName(label);
    picker->setFont(Fonts::ui(13));
    for (const Choice &choice : choices) {
        picker->addItem(QCoreApplication::translate("vesk::StorageView", choice.title),
                        choice.value);
        if (choice.value == current)
            picker->setCurrentIndex(picker->count() - 1);
    }
    return picker;
}

} // namespace

StorageView::StorageView(SharedObjects shared, QWidget *parent)
    : Page(shared.preferences, parent), m_shared(shared), m_root(shared.session.data().storage()),
      m_panelLayout(new QVBoxLayout), m_noteLayout(new QVBoxLayout)
{
    addWidget(new PageHeader(tr("CADA COSA TÉ EL SEU LLOC"), tr("Una altra mirada al teu espai."),
                             tr("Explora les carpetes de mostra. La superfície de cada bloc "
                                "representa la seva mida.")));

    auto *summary = new QHBoxLayout;
    summary->setSpacing(7);
    summary->addWidget(new SymbolView("internaldrive"_symbol, 13, Palette::Role::ink));
    summary->addWidget(
        new TextLabel(tr("384 GB ocupats"), Fonts::ui(13, QFont::Medium), Palette::Role::ink));
    summary->addStretch(1);
    summary->addWidget(
        new TextLabel(tr("128 GB lliures de 512 GB"), Fonts::ui(13), Palette::Role::secondary));
    addLayout(summary);

    QStringList modes;
    for (StorageMode mode : allCases<StorageMode>())
        modes << QCoreApplication::translate("vesk::StorageMode",
                                             rawValue(mode).toUtf8().constData());
    m_modes = new SegmentedControl(tr("Vista de l’espai"), modes);
    connect(m_modes, &SegmentedControl::currentIndexChanged, this, [this](int index) {
        m_shared.navigation.setStorageMode(allCases<StorageMode>().at(index));
    });
    addWidget(m_modes);

    m_panelLayout->setContentsMargins(0, 0, 0, 0);
    addWidget(Layouts::widgetFor(m_panelLayout));
    m_noteLayout->setContentsMargins(0, 0, 0, 0);
    addWidget(Layouts::widgetFor(m_noteLayout));
    addStretch();

    connect(&m_shared.navigation, &NavigationState::storageModeChanged, this,
            &StorageView::showMode);
    showMode();
}

QString StorageView::pathText(const StorageNode &root, const QString &id, const QString &fallback)
{
    const auto chain = DemoFilters::path(id, root);
    if (!chain)
        return fallback;
    QStringList names;
    for (const StorageNode &node : *chain)
        names << node.name;
    return names.join(QStringLiteral(" / "));
}

QString StorageView::foldersText(const StorageNode &root, const QString &id)
{
    auto chain = DemoFilters::path(id, root);
    if (!chain)
        return {};
    chain->removeLast();
    QStringList names;
    for (const StorageNode &node : std::as_const(*chain))
        names << node.name;
    return names.join(QStringLiteral(" / "));
}

QString StorageView::modeNote(StorageMode mode)
{
    switch (mode) {
    case StorageMode::old:
        return tr("La data de modificació no indica si un fitxer és necessari. Revisa sempre el "
                  "contingut abans de decidir.");
    case StorageMode::duplicates:
        return tr("Grups de mostra, sense verificació real. El motor futur haurà de comparar el "
                  "contingut amb mètodes fiables; el nom no és suficient.");
    case StorageMode::mosaic:
    case StorageMode::large:
        break;
    }
    return tr("26 GB no classificats: la demostració representa també les àrees que un "
              "analitzador podria no poder consultar.");
}

StorageNode StorageView::current() const
{
    return m_path.isEmpty() ? m_root : m_path.last();
}

void StorageView::openNode(const StorageNode &node)
{
    if (node.isFolder()) {
        m_path.append(node);
        showMode();
        return;
    }
    if (m_sheet)
        return; // one sheet at a time, however fast the clicks
    m_sheet = new StorageDetail(node, pathText(m_root, node.id, node.name), this);
    m_sheet->open();
}

void StorageView::cutPath(qsizetype length)
{
    if (length >= m_path.size())
        return;
    m_path.resize(qMax<qsizetype>(0, length));
    showMode();
}

void StorageView::setMinimumGB(int value)
{
    m_minimumGB = value;
    showMode();
}

void StorageView::setOlderThanDays(int value)
{
    m_olderThanDays = value;
    showMode();
}

void StorageView::showMode()
{
    const StorageMode mode = m_shared.navigation.storageMode();
    m_modes->setCurrentIndex(int(mode));
    m_treemap = nullptr;
    const bool hadFocus = FocusHandoff::isInside(m_panel);
    if (m_panel) {
        // The old panel may hold the button that caused this change.
        m_panelLayout->removeWidget(m_panel);
        m_panel->hide();
        m_panel->deleteLater();
    }
    m_panel = mode == StorageMode::mosaic ? buildMosaic() : buildList(mode);
    m_panelLayout->addWidget(m_panel);
    m_panel->show();
    // A drill-down or a new filter replaced the focused control: the
    // keyboard carries on in the new folder's blocks, or the new list.
    if (hadFocus)
        FocusHandoff::toFirstControl(m_treemap ? static_cast<QWidget *>(m_treemap)
                                               : m_panel.data());

    delete m_note;
    m_note = new InfoNote(modeNote(mode), "info.circle"_symbol);
    m_noteLayout->addWidget(m_note);
}

QWidget *StorageView::buildMosaic()
{
    auto *card = new Card(22);
    auto *stack = card->contentLayout();
    stack->setSpacing(18);

    // Breadcrumbs, scrolling sideways when the path is long.
    auto *crumbs = new QHBoxLayout;
    crumbs->setSpacing(8);
    const QFont crumbFont = Fonts::ui(12, QFont::Medium);
    auto *rootCrumb = new LinkButton(QString(), m_root.name, crumbFont, Palette::Role::accent);
    rootCrumb->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(rootCrumb, &LinkButton::clicked, this, [this] { cutPath(0); });
    crumbs->addWidget(rootCrumb);
    for (qsizetype i = 0; i < m_path.size(); ++i) {
        crumbs->addWidget(new SymbolView("chevron.right"_symbol, 9, Palette::Role::secondary));
        auto *crumb =
            new LinkButton(QString(), m_path.at(i).name, crumbFont, Palette::Role::accent);
        crumb->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        connect(crumb, &LinkButton::clicked, this, [this, i] { cutPath(i + 1); });
        crumbs->addWidget(crumb);
    }
    crumbs->addStretch(1);
    auto *crumbScroll = new QScrollArea;
    crumbScroll->setFrameShape(QFrame::NoFrame);
    crumbScroll->setFocusPolicy(Qt::NoFocus); // the crumbs themselves take focus
    crumbScroll->setWidgetResizable(true);
    crumbScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    crumbScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    crumbScroll->viewport()->setAutoFillBackground(false);
    QWidget *crumbRow = Layouts::widgetFor(crumbs);
    crumbScroll->setWidget(crumbRow);
    crumbRow->setAutoFillBackground(false); // setWidget turned it on
    crumbScroll->setFixedHeight(crumbRow->sizeHint().height());
    crumbScroll->setAccessibleName(tr("Camí"));
    stack->addWidget(crumbScroll);

    const StorageNode folder = current();
    auto *title = new QHBoxLayout;
    title->setSpacing(12);
    title->addWidget(
        new TextLabel(folder.name, Fonts::ui(18, QFont::DemiBold), Palette::Role::ink));
    title->addStretch(1);
    title->addWidget(
        new TextLabel(Display::bytes(folder.bytes), Fonts::ui(14), Palette::Role::secondary));
    if (!m_path.isEmpty()) {
        auto *back = new LinkButton("arrow.uturn.backward"_symbol, tr("Enrere"), Fonts::ui(13),
                                    Palette::Role::accent);
        back->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        connect(back, &LinkButton::clicked, this, [this] { cutPath(m_path.size() - 1); });
        title->addWidget(back);
    }
    stack->addLayout(title);

    m_treemap = new Treemap(folder.children);
    m_treemap->setFixedHeight(treemapHeight);
    connect(m_treemap, &Treemap::blockActivated, this,
            [this, folder](int index) { openNode(folder.children.at(index)); });
    stack->addWidget(m_treemap);

    QList<StorageNode> bySize = folder.children;
    std::stable_sort(bySize.begin(), bySize.end(),
                     [](const StorageNode &a, const StorageNode &b) { return a.bytes > b.bytes; });
    auto *rows = new QVBoxLayout;
    rows->setSpacing(0);
    for (const StorageNode &child : std::as_const(bySize)) {
        auto *row = new StorageRow({TreemapBlock::symbolFor(child), child.name, QString(),
                                    Display::bytes(child.bytes), child.kind},
                                   true);
        connect(row, &StorageRow::clicked, this, [this, child] { openNode(child); });
        rows->addWidget(row);
        rows->addWidget(new HorizontalRule(Palette::Role::secondary, 0.15));
    }
    stack->addLayout(rows);
    return card;
}

QWidget *StorageView::buildFilterRow(StorageMode mode)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    if (mode == StorageMode::duplicates) {
        row->addWidget(
            new TextLabel(tr("1 grup potencial · 2 fitxers"), Fonts::ui(13), Palette::Role::ink));
        row->addStretch(1);
        auto *compare = new QuietButton(tr("Compara les còpies"));
        connect(compare, &QuietButton::clicked, this, &StorageView::showComparison);
        row->addWidget(compare);
        return Layouts::widgetFor(row);
    }
    const bool large = mode == StorageMode::large;
    const QString label = large ? tr("Mida mínima") : tr("Antiguitat mínima");
    QComboBox *picker = large ? choicePicker(label, sizeChoices, m_minimumGB)
                              : choicePicker(label, ageChoices, m_olderThanDays);
    connect(picker, &QComboBox::activated, this, [this, picker, large](int index) {
        const int value = picker->itemData(index).toInt();
        if (large)
            setMinimumGB(value);
        else
            setOlderThanDays(value);
    });
    // The title takes the width of its words, the picker the rest of 280.
    auto *text = new FieldTitle(label, picker);
    picker->setFixedWidth(qMax(120, pickerWidth - text->sizeHint().width() - row->spacing()));
    row->addWidget(text);
    row->addWidget(picker);
    row->addStretch(1);
    return Layouts::widgetFor(row);
}

QWidget *StorageView::buildList(StorageMode mode)
{
    auto *stack = new QVBoxLayout;
    stack->setSpacing(18);
    stack->addWidget(buildFilterRow(mode));

    auto *card = new Card(22);
    auto *rows = card->contentLayout();
    rows->setSpacing(14);
    const QList<StorageNode> files = DemoFilters::files(m_root, mode, m_minimumGB, m_olderThanDays);
    if (files.isEmpty()) {
        rows->addWidget(new EmptyState(tr("Cap resultat"),
                                       "line.3.horizontal.decrease.circle"_symbol,
                                       tr("Canvia els filtres per explorar més dades de mostra.")));
    }
    for (const StorageNode &file : files) {
        auto *row = new StorageRow({"doc.text"_symbol, file.name, foldersText(m_root, file.id),
                                    Display::bytes(file.bytes),
                                    tr("Fa %1 dies · %2").arg(file.modifiedDaysAgo).arg(file.kind)},
                                   false);
        connect(row, &StorageRow::clicked, this, [this, file] { openNode(file); });
        rows->addWidget(row);
        // Dividers between rows only.
        if (file.id != files.last().id)
            rows->addWidget(new HorizontalRule(Palette::Role::secondary, 0.15));
    }
    stack->addWidget(card);
    return Layouts::widgetFor(stack);
}

void StorageView::showComparison()
{
    if (m_sheet)
        return;
    auto *sheet = new Sheet(tr("Dues còpies per comparar"), 570, 28, 20, this);
    QVBoxLayout *stack = sheet->contentLayout();
    stack->addWidget(new ModalHeader(tr("Dues còpies per comparar"),
                                     tr("Grup fictici · identitat del contingut no verificada")));
    for (const StorageNode &file : DemoFilters::files(m_root, StorageMode::duplicates, 0, 0)) {
        auto *card = new Card(22);
        auto *lines = card->contentLayout();
        lines->setSpacing(8);
        lines->addWidget(
            new TextLabel(file.name, Fonts::ui(13, QFont::DemiBold), Palette::Role::ink));
        lines->addWidget(
            new TextLabel(Display::bytes(file.bytes), Fonts::ui(13), Palette::Role::ink));
        auto *where = new TextLabel(pathText(m_root, file.id, QString()), Fonts::ui(11),
                                    Palette::Role::secondary);
        where->setWordWrap(true);
        lines->addWidget(where);
        lines->addWidget(new TextLabel(tr("Modificat fa %1 dies").arg(file.modifiedDaysAgo),
                                       Fonts::ui(12), Palette::Role::ink));
        stack->addWidget(card);
    }
    stack->addWidget(new InfoNote(tr("Cap còpia està seleccionada per eliminar. En aquesta fase "
                                     "no es llegeix ni es compara cap fitxer real."),
                                  "info.circle"_symbol));
    sheet->addCloseRow();
    m_sheet = sheet;
    m_sheet->open();
}

} // namespace vesk
