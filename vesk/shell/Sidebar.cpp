// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Sidebar.h"

#include "DesignSystem/HorizontalRule.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/LinkButton.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/VeskMark.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "SidebarRowDelegate.h"
#include "VeskCore/DemoSession.h"
#include "VeskCore/Display.h"
#include "VeskCore/NavigationState.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace vesk {

namespace {
constexpr int spinnerIntervalMs = 40;
} // namespace

Sidebar::Sidebar(SharedObjects shared, QWidget *parent)
    : QWidget(parent), m_shared(shared), m_model(new QStandardItemModel(this)),
      m_list(new QListView), m_delegate(new SidebarRowDelegate(this))
{
    setFixedWidth(columnWidth);
    setAccessibleName(tr("Barra lateral"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    addBrand(column);
    addSectionList(column);
    column->addSpacing(12);
    column->addStretch(1);
    addFooter(column);
    followSharedState();

    showSelection();
    followPhase();
    applyLayout();
}

void Sidebar::addBrand(QVBoxLayout *column)
{
    auto *header = new QWidget;
    m_headerLayout = new QVBoxLayout(header);
    auto *brand = new QHBoxLayout;
    brand->setSpacing(11);
    auto *mark = new VeskMark(true);
    mark->setFixedSize(43, 43);
    brand->addWidget(mark);
    auto *wordmark = new TextLabel(QStringLiteral("vesk."),
                                   Fonts::tracked(Fonts::rounded(31, QFont::DemiBold), -1.4),
                                   Palette::Role::white);
    brand->addWidget(wordmark);
    brand->addStretch(1);
    m_headerLayout->addLayout(brand);
    column->addWidget(header);

    auto *eyebrowBox = new QWidget;
    auto *eyebrowLayout = new QVBoxLayout(eyebrowBox);
    eyebrowLayout->setContentsMargins(25, 0, 25, 17);
    auto *eyebrow =
        new TextLabel(tr("EL TEU ESPAI, A PUNT"),
                      Fonts::tracked(Fonts::ui(9, QFont::DemiBold), 1.5), Palette::Role::mint);
    eyebrow->setOpacity(0.75);
    eyebrowLayout->addWidget(eyebrow);
    column->addWidget(eyebrowBox);
    m_fullOnly << eyebrowBox;
}

void Sidebar::addSectionList(QVBoxLayout *column)
{
    for (Section section : allCases<Section>()) {
        auto *item = new QStandardItem(Display::title(section));
        item->setData(int(section), SidebarRowDelegate::SectionRole);
        item->setEditable(false);
        m_model->appendRow(item);
    }
    m_list->setModel(m_model);
    m_list->setItemDelegate(m_delegate);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMouseTracking(true);
    m_list->viewport()->setAttribute(Qt::WA_Hover);
    m_list->viewport()->setAutoFillBackground(false);
    m_list->setAutoFillBackground(false);
    m_list->setAccessibleName(tr("Seccions"));
    m_list->setFixedHeight(m_model->rowCount() *
                           (SidebarRowDelegate::rowHeight + SidebarRowDelegate::rowGap));
    m_list->setCursor(Qt::PointingHandCursor);
    // A row takes clicks over its own 43 points, not the gap below it.
    m_list->viewport()->installEventFilter(this);
    // And it announces its current row when it takes the focus.
    m_list->installEventFilter(this);
    auto *listBox = new QHBoxLayout;
    listBox->setContentsMargins(13, 0, 13, 0);
    listBox->addWidget(m_list);
    column->addLayout(listBox);
}

void Sidebar::addFooter(QVBoxLayout *column)
{
    auto *footer = new QVBoxLayout;
    footer->setContentsMargins(25, 25, 25, 25);
    footer->setSpacing(17);
    auto *note = new QWidget;
    auto *noteLayout = new QHBoxLayout(note);
    noteLayout->setContentsMargins(0, 0, 0, 0);
    noteLayout->setSpacing(8);
    noteLayout->addWidget(new SymbolView("leaf"_symbol, 12, Palette::Role::sidebarNote));
    noteLayout->addWidget(new TextLabel(tr("Una mica de cura.\nMés espai per a tu."), Fonts::ui(11),
                                        Palette::Role::sidebarNote),
                          1);
    footer->addWidget(note);
    auto *rule = new HorizontalRule(Palette::Role::white, 0.12);
    footer->addWidget(rule);
    m_fullOnly << note << rule;

    auto *settings = new LinkButton("gearshape"_symbol, tr("Configuració"), Fonts::ui(13),
                                    Palette::Role::sidebarLink);
    connect(settings, &LinkButton::clicked, this, &Sidebar::settingsRequested);
    footer->addWidget(settings);
    footer->addWidget(
        new TextLabel(tr("vesk 0.1 · Prototip"), Fonts::ui(10), Palette::Role::sidebarVersion));
    column->addLayout(footer);
}

void Sidebar::followSharedState()
{
    // The mouse and the arrow keys move the current row; a screen reader's
    // action selects a row (or unselects the selected one) without moving
    // it. Both reach the navigation, and the list then shows it again.
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { choose(current); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &added) {
                if (!added.indexes().isEmpty()) {
                    choose(added.indexes().constLast());
                } else if (!m_list->selectionModel()->hasSelection()) {
                    // Unselected, or cleared before a new row is selected:
                    // once the change is over, the list shows the section.
                    QMetaObject::invokeMethod(this, &Sidebar::showSelection, Qt::QueuedConnection);
                }
            });
    connect(&m_shared.navigation, &NavigationState::selectionChanged, this,
            &Sidebar::showSelection);
    connect(&m_shared.session, &DemoSession::phaseChanged, this, &Sidebar::followPhase);

    m_spinner.setInterval(spinnerIntervalMs);
    connect(&m_spinner, &QTimer::timeout, this, [this] {
        m_spinnerAngle = (m_spinnerAngle + 30) % 360;
        m_delegate->setSpinnerAngle(m_spinnerAngle);
        const QModelIndex cleanup = m_model->index(int(Section::cleanup), 0);
        m_list->viewport()->update(m_list->visualRect(cleanup));
    });
}

bool Sidebar::isInRowGap(int y)
{
    const int pitch = SidebarRowDelegate::rowHeight + SidebarRowDelegate::rowGap;
    return y >= 0 && y % pitch >= SidebarRowDelegate::rowHeight;
}

bool Sidebar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::FocusIn) {
        // The list announces only itself when it takes the focus, and a
        // screen reader asked for its focused row finds the list again: the
        // current row is announced after the list, so the person hears
        // where they are. Queued, to follow the list's own announcement.
        QMetaObject::invokeMethod(this, &Sidebar::announceCurrentRow, Qt::QueuedConnection);
    }
    if (watched == m_list->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (isInRowGap(int(static_cast<QMouseEvent *>(event)->position().y())))
                return true;
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Sidebar::announceCurrentRow()
{
    const QModelIndex current = m_list->currentIndex();
    if (!QAccessible::isActive() || !m_list->hasFocus() || !current.isValid())
        return;
    // A list's accessible children are its rows, in order.
    QAccessibleEvent focus(m_list, QAccessible::Focus);
    focus.setChild(current.row());
    QAccessible::updateAccessibility(&focus);
}

bool Sidebar::showsScanIndicator() const
{
    return m_model->index(int(Section::cleanup), 0).data(SidebarRowDelegate::BusyRole).toBool();
}

void Sidebar::choose(const QModelIndex &row)
{
    if (row.isValid()) {
        const QScopedValueRollback choosing(m_choosing, true);
        m_shared.navigation.setSelection(
            Section(row.data(SidebarRowDelegate::SectionRole).toInt()));
    }
    showSelection();
}

void Sidebar::showSelection()
{
    const QModelIndex index = m_model->index(int(m_shared.navigation.selection()), 0);
    if (m_list->currentIndex() != index)
        m_list->setCurrentIndex(index);
    else if (!m_list->selectionModel()->isSelected(index))
        m_list->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
}

void Sidebar::followPhase()
{
    const bool scanning = m_shared.session.phase() == ScanPhase::scanning;
    QStandardItem *cleanup = m_model->item(int(Section::cleanup));
    if (cleanup->data(SidebarRowDelegate::BusyRole).toBool() == scanning)
        return;
    cleanup->setData(scanning, SidebarRowDelegate::BusyRole);
    cleanup->setData(scanning ? tr("Anàlisi simulada en curs") : QString(),
                     Qt::AccessibleDescriptionRole);
    if (scanning)
        m_spinner.start();
    else
        m_spinner.stop();
}

Sidebar::HeaderPadding Sidebar::headerPadding(bool compact, int overflow)
{
    if (compact)
        return {16, 20};
    // Just above the threshold the full sidebar can be a little taller than
    // the window; the header's air gives way first, never below the compact
    // padding, so no row or footer line is cut.
    const int shrink = qBound(0, overflow, (38 - 16) + (38 - 20));
    const int top = qMin(38 - 16, (shrink + 1) / 2);
    const int bottom = qMin(38 - 20, shrink - top);
    const int rest = shrink - top - bottom;
    return {38 - top - rest, 38 - bottom};
}

void Sidebar::applyLayout()
{
    m_compact = isCompact(height());
    for (QWidget *widget : std::as_const(m_fullOnly))
        widget->setVisible(!m_compact);
    HeaderPadding padding = headerPadding(m_compact, 0);
    m_headerLayout->setContentsMargins(23, padding.top, 23, padding.bottom);
    if (!m_compact) {
        layout()->invalidate();
        const int overflow = layout()->minimumSize().height() - height();
        padding = headerPadding(false, overflow);
        m_headerLayout->setContentsMargins(23, padding.top, 23, padding.bottom);
    }
}

QSize Sidebar::minimumSizeHint() const
{
    // The sidebar adapts to any height the window allows (see applyLayout);
    // it must not hold the window open at the full layout's height.
    return {columnWidth, 0};
}

void Sidebar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyLayout();
}

void Sidebar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Palette::graphite());
}

} // namespace vesk
