// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ApplicationsView.h"

#include "DesignSystem/Card.h"
#include "DesignSystem/EmptyState.h"
#include "DesignSystem/FieldTitle.h"
#include "DesignSystem/HorizontalRule.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/Layouts.h"
#include "DesignSystem/PageHeader.h"
#include "DesignSystem/Picker.h"
#include "DesignSystem/RiskBadge.h"
#include "DesignSystem/RowButton.h"
#include "DesignSystem/SegmentedControl.h"
#include "DesignSystem/SymbolTile.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "SearchField.h"
#include "VeskCore/DemoFilters.h"
#include "VeskCore/DemoSession.h"
#include "VeskCore/Display.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vesk {

namespace {

QString title(const char *context, const QString &raw)
{
    return QCoreApplication::translate(context, raw.toUtf8().constData());
}

} // namespace

ApplicationsView::ApplicationsView(SharedObjects shared, QWidget *parent)
    : Page(shared.preferences, parent), m_shared(shared),
      m_search(new SearchField(tr("Cerca una aplicació"))), m_sort(new Picker),
      m_rows(new QVBoxLayout)
{
    addWidget(new PageHeader(tr("QUEDA’T AMB EL QUE T’APORTA"), tr("Les teves eines, en ordre."),
                             tr("Un inventari fictici per explorar les aplicacions i entendre les "
                                "dades que les acompanyen.")));

    auto *controls = new QHBoxLayout;
    controls->setSpacing(16);
    m_search->setMaximumWidth(260);
    m_search->setFont(Fonts::ui(13));
    controls->addWidget(m_search, 1);
    controls->addStretch(1);
    auto *sortLabel = new FieldTitle(tr("Ordena per"), m_sort);
    controls->addWidget(sortLabel);
    for (AppSort sort : allCases<AppSort>())
        m_sort->addItem(title("vesk::AppSort", rawValue(sort)));
    m_sort->setFont(Fonts::ui(13));
    m_sort->setFixedWidth(220 - sortLabel->sizeHint().width() - 16);
    controls->addWidget(m_sort);
    addLayout(controls);

    QStringList filters;
    for (AppFilter filter : allCases<AppFilter>())
        filters << title("vesk::AppFilter", rawValue(filter));
    m_filter = new SegmentedControl(tr("Filtra aplicacions"), filters);
    m_filter->setCurrentIndex(0);
    addWidget(m_filter);

    auto *card = new Card(22);
    auto *stack = card->contentLayout();
    auto *header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 16);
    const QFont headerFont = Fonts::tracked(Fonts::ui(10, QFont::DemiBold), 1);
    header->addWidget(new TextLabel(tr("APLICACIÓ"), headerFont, Palette::Role::secondary));
    header->addStretch(1);
    header->addWidget(new TextLabel(tr("PAQUET + DADES"), headerFont, Palette::Role::secondary));
    stack->addLayout(header);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(0);
    stack->addWidget(Layouts::widgetFor(m_rows)); // rows keep their place in reading order
    addWidget(card);
    addWidget(new InfoNote(tr("Les aplicacions i els noms d’aquest inventari són ficticis. La "
                              "informació d’ús real només es mostrarà si es pot obtenir de "
                              "manera fiable."),
                           "info.circle"_symbol));
    addStretch();

    // Only the rows are derived again: the search field keeps its focus and
    // its cursor while the person types.
    connect(m_search, &QLineEdit::textChanged, this, &ApplicationsView::showList);
    connect(m_sort, &QComboBox::currentIndexChanged, this, &ApplicationsView::showList);
    connect(m_filter, &SegmentedControl::currentIndexChanged, this, &ApplicationsView::showList);
    showList();
}

QString ApplicationsView::splitText(const DemoApplication &app)
{
    return tr("%1 + %2").arg(Display::bytes(app.bytes), Display::bytes(app.dataBytes));
}

QStringList ApplicationsView::shownIds() const
{
    return m_shownIds;
}

void ApplicationsView::showList()
{
    Layouts::clear(m_rows);
    const QList<DemoApplication> apps =
        DemoFilters::applications(m_shared.session.data().applications(), m_search->text(),
                                  allCases<AppFilter>().value(qMax(0, m_filter->currentIndex())),
                                  allCases<AppSort>().value(qMax(0, m_sort->currentIndex())));
    m_shownIds.clear();
    if (apps.isEmpty()) {
        m_rows->addWidget(new EmptyState(tr("Cap aplicació"), "magnifyingglass"_symbol,
                                         tr("Prova un altre nom o filtre.")));
    }
    for (const DemoApplication &app : apps) {
        m_shownIds << app.id;
        m_rows->addWidget(buildRow(app));
        // Dividers between rows only.
        if (app.id != apps.last().id)
            m_rows->addWidget(new HorizontalRule(Palette::Role::secondary, 0.15));
    }
}

QWidget *ApplicationsView::buildRow(const DemoApplication &app)
{
    auto *row = new RowButton;
    row->setText(app.name);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 18, 0, 18);
    layout->setSpacing(17);
    layout->addWidget(new SymbolTile(app.symbol, 51, 25, 12));

    auto *names = new QVBoxLayout;
    names->setSpacing(6);
    names->addStretch(1);
    names->addWidget(new TextLabel(app.name, Fonts::ui(14, QFont::DemiBold), Palette::Role::ink));
    names->addWidget(new TextLabel(app.developer, Fonts::ui(11), Palette::Role::secondary));
    QStringList description{app.developer};
    if (app.unused) {
        names->addWidget(new TextLabel(tr("Sense ús recent · dada de mostra"), Fonts::ui(10),
                                       Palette::Role::accent));
        description << tr("Sense ús recent · dada de mostra");
    }
    names->addStretch(1);
    layout->addLayout(names, 1);
    if (app.protected_) {
        layout->addWidget(new RiskBadge(Risk::protected_));
        description << RiskBadge::title(Risk::protected_);
    }

    auto *sizes = new QVBoxLayout;
    sizes->setSpacing(6);
    auto *total = new TextLabel(Display::bytes(app.totalBytes()), Fonts::ui(16, QFont::Medium),
                                Palette::Role::ink);
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *split = new TextLabel(splitText(app), Fonts::ui(10), Palette::Role::secondary);
    split->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sizes->addWidget(total);
    sizes->addWidget(split);
    layout->addLayout(sizes);
    layout->addSpacing(9 - 17);
    layout->addWidget(new SymbolView("chevron.right"_symbol, 10, Palette::Role::secondary));
    description << Display::bytes(app.totalBytes()) << splitText(app);
    row->setAccessibleDescription(description.join(QStringLiteral(", ")));
    row->letClicksThrough();
    connect(row, &RowButton::clicked, this, [this, app] { openApplication(app); });
    return row;
}

void ApplicationsView::openApplication(const DemoApplication &app)
{
    if (m_sheet)
        return; // one sheet at a time, however fast the clicks
    m_sheet = new ApplicationDetail(app, m_shared.session, this);
    m_sheet->open();
}

} // namespace vesk
