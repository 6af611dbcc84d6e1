// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "HistoryView.h"

#include "DesignSystem/Card.h"
#include "DesignSystem/DetailLine.h"
#include "DesignSystem/HorizontalRule.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/Layouts.h"
#include "DesignSystem/ModalHeader.h"
#include "DesignSystem/PageHeader.h"
#include "DesignSystem/RowButton.h"
#include "DesignSystem/SymbolTile.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "VeskCore/DemoSession.h"
#include "VeskCore/Display.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk {

namespace {} // namespace

HistoryView::HistoryView(SharedObjects shared, QWidget *parent)
    : Page(shared.preferences, parent), m_shared(shared),
      m_count(new TextLabel(QString(), Fonts::ui(13), Palette::Role::secondary)),
      m_onlyCompleted(new QCheckBox(tr("Només completades"))), m_rows(new QVBoxLayout)
{
    addWidget(new PageHeader(tr("TOT CLAR, TAMBÉ DESPRÉS"), tr("Cada pas, a la vista."),
                             tr("Registres ficticis i simulacions d’aquesta sessió. Cap operació "
                                "real de manteniment.")));
    auto *summary = new QHBoxLayout;
    summary->addWidget(m_count);
    summary->addStretch(1);
    m_onlyCompleted->setFont(Fonts::ui(12));
    summary->addWidget(m_onlyCompleted);
    addLayout(summary);

    auto *card = new Card(22);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(0);
    card->contentLayout()->addWidget(
        Layouts::widgetFor(m_rows)); // rows keep their place in reading order
    addWidget(card);
    addWidget(new InfoNote(tr("La demostració no mou fitxers a la Paperera i no té res a "
                              "recuperar. Els registres nous només es conserven durant aquesta "
                              "sessió."),
                           "info.circle"_symbol));
    addStretch();

    connect(m_onlyCompleted, &QCheckBox::toggled, this, &HistoryView::showList);
    connect(&m_shared.session, &DemoSession::historyChanged, this, &HistoryView::showList);
    showList();
}

QList<HistoryEntry> HistoryView::shown(const QList<HistoryEntry> &history, bool onlyCompleted)
{
    QList<HistoryEntry> result;
    for (const HistoryEntry &entry : history) {
        if (!onlyCompleted || entry.result == HistoryEntry::completedResult())
            result.append(entry);
    }
    return result;
}

QString HistoryView::symbolFor(const HistoryEntry &entry)
{
    return entry.result == HistoryEntry::cancelledResult() ? "pause.circle"_symbol
                                                           : "checkmark.circle"_symbol;
}

void HistoryView::showList()
{
    const QList<HistoryEntry> history = m_shared.session.history();
    m_count->setText(tr("%1 registres de demostració").arg(history.size()));
    Layouts::clear(m_rows);
    m_shownTitles.clear();
    for (const HistoryEntry &entry : shown(history, m_onlyCompleted->isChecked())) {
        m_shownTitles << entry.title;
        auto *row = new RowButton;
        row->setText(entry.title);
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 21, 0, 21);
        layout->setSpacing(18);
        layout->addWidget(new SymbolTile(symbolFor(entry), 44, 22, 22));
        auto *names = new QVBoxLayout;
        names->setSpacing(6);
        names->addWidget(
            new TextLabel(entry.title, Fonts::ui(14, QFont::Medium), Palette::Role::ink));
        names->addWidget(
            new TextLabel(Display::date(entry.date), Fonts::ui(11), Palette::Role::secondary));
        layout->addLayout(names, 1);
        auto *outcome = new QVBoxLayout;
        outcome->setSpacing(6);
        auto *result =
            new TextLabel(entry.result, Fonts::ui(11, QFont::Medium), Palette::Role::accent);
        result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const QString bytesText = tr("%1 estimats · 0 B reals").arg(Display::bytes(entry.bytes));
        auto *bytes = new TextLabel(bytesText, Fonts::ui(11), Palette::Role::secondary);
        bytes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        outcome->addWidget(result);
        outcome->addWidget(bytes);
        layout->addLayout(outcome);
        layout->addWidget(new SymbolView("chevron.right"_symbol, 10, Palette::Role::secondary));
        row->setAccessibleDescription(
            QStringList{Display::date(entry.date), entry.result, bytesText}.join(
                QStringLiteral(", ")));
        row->letClicksThrough();
        connect(row, &RowButton::clicked, this, [this, entry] { openEntry(entry); });
        m_rows->addWidget(row);
        m_rows->addWidget(new HorizontalRule(Palette::Role::secondary, 0.15));
    }
}

void HistoryView::openEntry(const HistoryEntry &entry)
{
    if (m_sheet)
        return;
    auto *sheet = new Sheet(entry.title, 540, 30, 22, this);
    QVBoxLayout *stack = sheet->contentLayout();
    stack->addWidget(new ModalHeader(entry.title, Display::date(entry.date)));
    auto *detail = new TextLabel(entry.detail, Fonts::ui(14), Palette::Role::ink);
    detail->setWordWrap(true);
    stack->addWidget(detail);
    // Each line is a part of the sheet's stack, spaced as every other part.
    stack->addWidget(new DetailLine(tr("Resultat"), entry.result));
    stack->addWidget(new DetailLine(tr("Espai estimat"), Display::bytes(entry.bytes)));
    stack->addWidget(new DetailLine(tr("Espai real recuperat"), QStringLiteral("0 B")));
    stack->addWidget(new TextLabel(tr("%1 elements de mostra").arg(entry.count), Fonts::ui(13),
                                   Palette::Role::ink));
    stack->addWidget(new DetailLine(tr("Errors"), entry.errors));
    stack->addWidget(new DetailLine(tr("Recuperació"), tr("No aplicable · cap canvi real")));
    sheet->addCloseRow();
    m_sheet = sheet;
    m_sheet->open();
}

} // namespace vesk
