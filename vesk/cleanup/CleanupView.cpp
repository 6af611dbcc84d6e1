// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "CleanupView.h"

#include "CandidateDetail.h"
#include "CandidateRow.h"
#include "DesignSystem/Card.h"
#include "DesignSystem/DetailLine.h"
#include "DesignSystem/FocusHandoff.h"
#include "DesignSystem/HorizontalRule.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/Layouts.h"
#include "DesignSystem/PageHeader.h"
#include "DesignSystem/PrimaryButton.h"
#include "DesignSystem/QuietButton.h"
#include "DesignSystem/SectionTitle.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/VeskMark.h"
#include "DesignSystem/accessibility/Announcer.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "ScanningCard.h"
#include "StageList.h"
#include "StepIndicator.h"
#include "VeskCore/DemoSession.h"
#include "VeskCore/Display.h"
#include "VeskCore/NavigationState.h"
#include "WashPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {

namespace {

TextLabel *secondary(const QString &text, int pixels = 11)
{
    return new TextLabel(text, Fonts::ui(pixels), Palette::Role::secondary);
}

TextLabel *wrapping(TextLabel *label)
{
    label->setWordWrap(true);
    return label;
}

QString filesLine(const Candidate &candidate)
{
    return CleanupView::tr("%1 fitxers · %2").arg(candidate.fileCount).arg(candidate.category);
}

} // namespace

CleanupView::CleanupView(SharedObjects shared, QWidget *parent)
    : Page(shared.preferences, parent), m_shared(shared), m_steps(new StepIndicator),
      m_body(new QVBoxLayout)
{
    addWidget(new PageHeader(tr("MENYS SOROLL, MÉS ESPAI"), tr("Una neteja amb criteri."),
                             tr("Analitza. Entén. Revisa. Confirma. Tu decideixes a cada pas.")));
    addWidget(m_steps);
    m_body->setContentsMargins(0, 0, 0, 0);
    addLayout(m_body);
    addStretch();

    connect(&m_shared.session, &DemoSession::phaseChanged, this, &CleanupView::showPhase);
    connect(&m_shared.session, &DemoSession::selectedIDsChanged, this, &CleanupView::showSelection);
    showPhase();
}

int CleanupView::stepFor(ScanPhase phase)
{
    switch (phase) {
    case ScanPhase::idle:
    case ScanPhase::scanning:
    case ScanPhase::cancelled:
        return 0;
    case ScanPhase::results:
        return 1;
    case ScanPhase::review:
        return 2;
    case ScanPhase::completed:
        return 3;
    }
    return 0;
}

QString CleanupView::confirmationMessage(qint64 files, qint64 bytes)
{
    return tr("Es representarà l’enviament a la Paperera de %1 fitxers de mostra (%2). No es "
              "modificarà cap fitxer.")
        .arg(files)
        .arg(Display::bytes(bytes));
}

void CleanupView::showPhase()
{
    const ScanPhase phase = m_shared.session.phase();
    const bool firstBuild = !m_phaseView;
    const int step = stepFor(phase);
    const bool stepChanged = step != m_steps->currentStep();
    m_steps->setCurrentStep(step);
    m_rows.clear();
    m_selectedBytes = nullptr;
    m_selectedFiles = nullptr;
    m_reviewButton = nullptr;
    m_firstAction = nullptr;
    m_summary.clear();
    const bool hadFocus = FocusHandoff::isInside(m_phaseView);
    if (m_phaseView) {
        // The old body may hold the button that caused this change.
        m_body->removeWidget(m_phaseView);
        m_phaseView->hide();
        m_phaseView->deleteLater();
    }
    switch (phase) {
    case ScanPhase::idle:
    case ScanPhase::cancelled:
        m_phaseView = buildIntro();
        break;
    case ScanPhase::scanning: {
        auto *card = new ScanningCard(m_shared.session, m_shared.system);
        m_summary << card->title();
        m_phaseView = card;
        break;
    }
    case ScanPhase::results:
        m_phaseView = buildResults();
        break;
    case ScanPhase::review:
        m_phaseView = buildReview();
        break;
    case ScanPhase::completed:
        m_phaseView = buildCompleted();
        break;
    }
    m_body->addWidget(m_phaseView);
    m_phaseView->show();
    showSelection();
    // The control that was used went with its phase: the keyboard carries on
    // with the step's first action, and a screen reader hears, after that
    // control, what the step is and what it holds, as the eye takes it in.
    if (hadFocus && !(m_firstAction && FocusHandoff::give(m_firstAction)))
        FocusHandoff::toFirstControl(m_phaseView);
    if (!firstBuild && isVisible())
        Announcer::announce(this, stepSummary(stepChanged));
}

QString CleanupView::stepSummary(bool stepChanged) const
{
    QStringList texts;
    if (stepChanged)
        texts << m_steps->currentStepText();
    for (const QPointer<QWidget> &part : m_summary) {
        if (part)
            texts << Announcer::spokenText(part);
    }
    return Announcer::sentences(texts);
}

QWidget *CleanupView::buildIntro()
{
    auto *card = new Card(32);
    auto *stack = card->contentLayout();
    stack->setSpacing(24);

    auto *identity = new QHBoxLayout;
    identity->setSpacing(20);
    auto *mark = new VeskMark(true);
    mark->setFixedSize(86, 86);
    identity->addWidget(mark, 0, Qt::AlignTop);
    auto *words = new QVBoxLayout;
    words->setSpacing(10);
    const bool cancelled = m_shared.session.phase() == ScanPhase::cancelled;
    auto *title = summarised(new TextLabel(cancelled ? tr("Anàlisi cancel·lada. Tot al seu lloc.")
                                                     : tr("Comencem per entendre què hi ha."),
                                           Fonts::ui(23, QFont::DemiBold), Palette::Role::ink));
    title->setWordWrap(true);
    words->addWidget(title);
    words->addWidget(wrapping(secondary(tr("Una demostració de com vesk distingirà els temporals "
                                           "prescindibles dels elements que necessiten la teva "
                                           "atenció."),
                                        13)));
    if (const auto lastScan = m_shared.session.lastScan())
        words->addWidget(secondary(tr("Última simulació: %1").arg(Display::date(*lastScan))));
    identity->addLayout(words, 1);
    stack->addLayout(identity);

    auto *stages = new StageList(13);
    QList<StageList::Row> rows;
    for (const QString &name : m_shared.session.scanStages())
        rows.append({"checkmark.circle"_symbol, Palette::Role::accent, Display::stageName(name),
                     tr("Simulat")});
    stages->setRows(rows);
    stack->addWidget(stages);
    stack->addWidget(new HorizontalRule(Palette::Role::secondary, 0.15));

    auto *bottom = new QHBoxLayout;
    auto *start = new PrimaryButton(tr("Inicia l’anàlisi simulada"));
    connect(start, &PrimaryButton::clicked, this, [this] { m_shared.startScan(); });
    m_firstAction = start;
    bottom->addWidget(start);
    bottom->addStretch(1);
    bottom->addWidget(new SymbolView("lock.shield"_symbol, 12, Palette::Role::secondary));
    bottom->addWidget(secondary(tr("Sense permisos ni accés al disc")));
    stack->addLayout(bottom);
    return card;
}

QWidget *CleanupView::buildResults()
{
    auto *stack = new QVBoxLayout;
    stack->setSpacing(20);

    auto *header = new QHBoxLayout;
    auto *titles = new QVBoxLayout;
    titles->setSpacing(4);
    titles->addWidget(
        summarised(new TextLabel(tr("Una mica d’ordre, amb tota la informació."),
                                 Fonts::ui(19, QFont::DemiBold), Palette::Role::ink)));
    titles->addWidget(secondary(tr("Els elements personals comencen desmarcats."), 12));
    header->addLayout(titles, 1);
    auto *again = new QuietButton(tr("Torna a analitzar"));
    connect(again, &QuietButton::clicked, this, [this] { m_shared.startScan(); });
    header->addWidget(again, 0, Qt::AlignVCenter);
    // Starting again is not the step's work: that begins at the first
    // candidate, when there is one.
    m_firstAction = again;
    stack->addLayout(header);

    const DemoSession &session = m_shared.session;
    if (session.candidates().isEmpty()) {
        stack->addWidget(summarised(new InfoNote(tr("No hi ha candidats per a les categories "
                                                    "activades. Pots canviar-les a Configuració."),
                                                 "info.circle"_symbol)));
    }
    if (const QList<Candidate> low = session.lowRisk(); !low.isEmpty()) {
        stack->addWidget(buildCandidateGroup(tr("Candidats de baix risc"),
                                             tr("Regles verificades només en l’escenari de mostra"),
                                             low));
    }
    if (const QList<Candidate> review = session.reviewRequired(); !review.isEmpty()) {
        stack->addWidget(buildCandidateGroup(tr("La teva revisió importa"),
                                             tr("Dades personals o efectes que cal valorar"),
                                             review));
    }
    stack->addWidget(buildSelectionFooter());
    stack->addWidget(new InfoNote(tr("Els components crítics, les dades de Time Machine, iCloud i "
                                     "els recursos compartits queden fora d’aquesta demostració."),
                                  "lock.shield"_symbol));
    return Layouts::widgetFor(stack);
}

QWidget *CleanupView::buildCandidateGroup(const QString &title, const QString &subtitle,
                                          const QList<Candidate> &candidates)
{
    auto *card = new Card(22);
    auto *stack = card->contentLayout();
    stack->setSpacing(16);
    stack->addWidget(new SectionTitle(title, subtitle));
    auto *rows = new QVBoxLayout;
    rows->setSpacing(0);
    for (const Candidate &candidate : candidates) {
        auto *row = new CandidateRow(candidate);
        connect(row, &CandidateRow::toggled, this,
                [this](const Candidate &c) { m_shared.session.toggle(c); });
        connect(row, &CandidateRow::detailRequested, this, &CleanupView::showDetail);
        if (m_rows.isEmpty())
            m_firstAction = row->checkBox();
        m_rows << row;
        rows->addWidget(row);
        // Dividers between rows only, never after the last one.
        if (candidate.id != candidates.last().id)
            rows->addWidget(new HorizontalRule(Palette::Role::secondary, 0.15));
    }
    stack->addLayout(rows);
    return card;
}

QWidget *CleanupView::buildSelectionFooter()
{
    auto *footer = new WashPanel(15);
    auto *row = new QHBoxLayout(footer);
    row->setContentsMargins(20, 20, 20, 20);
    auto *figures = new QVBoxLayout;
    figures->setSpacing(4);
    m_selectedBytes =
        summarised(new TextLabel(QString(), Fonts::ui(19, QFont::DemiBold), Palette::Role::ink));
    m_selectedFiles = summarised(secondary(QString()));
    figures->addWidget(m_selectedBytes);
    figures->addWidget(m_selectedFiles);
    row->addLayout(figures, 1);
    m_reviewButton = new PrimaryButton(tr("Revisa la selecció"));
    connect(m_reviewButton, &PrimaryButton::clicked, this, [this] { m_shared.session.review(); });
    row->addWidget(m_reviewButton, 0, Qt::AlignVCenter);
    return footer;
}

void CleanupView::showSelection()
{
    // Re-derived from the session: the ticks, the totals and the button.
    const QSet<QString> selected = m_shared.session.selectedIDs();
    for (CandidateRow *row : std::as_const(m_rows))
        row->showChecked(selected.contains(row->candidate().id));
    if (!m_selectedBytes)
        return;
    const QString before = m_selectedBytes->text();
    const bool couldReview = m_reviewButton->isEnabled();
    m_selectedBytes->setText(
        tr("%1 seleccionats").arg(Display::bytes(m_shared.session.selectedBytes())));
    m_selectedFiles->setText(tr("%1 fitxers de demostració").arg(m_shared.session.selectedCount()));
    // Drawn at half opacity while disabled.
    const bool canReview = !m_shared.session.selected().isEmpty();
    m_reviewButton->setEnabled(canReview);
    // A tick changes the totals below the list, out of the person's way:
    // they are told, and told when the step's button changes with them.
    if (before.isEmpty() || before == m_selectedBytes->text())
        return;
    QStringList said{m_selectedBytes->text(), m_selectedFiles->text()};
    if (canReview != couldReview)
        said << Announcer::availability(m_reviewButton->text(), canReview);
    Announcer::announce(this, Announcer::sentences(said));
}

QWidget *CleanupView::buildReview()
{
    auto *stack = new QVBoxLayout;
    stack->setSpacing(20);

    auto *card = new Card(22);
    auto *inner = card->contentLayout();
    inner->setSpacing(18);
    inner->addWidget(summarised(new SectionTitle(tr("Abans de confirmar"))));
    for (const Candidate &candidate : m_shared.session.selected()) {
        auto *row = new QHBoxLayout;
        auto *names = new QVBoxLayout;
        names->setSpacing(3);
        names->addWidget(
            new TextLabel(candidate.name, Fonts::ui(13, QFont::Medium), Palette::Role::ink));
        names->addWidget(secondary(filesLine(candidate)));
        row->addLayout(names, 1);
        auto *right = new QVBoxLayout;
        right->setSpacing(3);
        auto *size = new TextLabel(Display::bytes(candidate.bytes), Fonts::ui(13, QFont::Medium),
                                   Palette::Role::ink);
        size->setAlignment(Qt::AlignRight);
        right->addWidget(size);
        auto *action = new TextLabel(tr("Acció prevista: Paperera (simulada)"), Fonts::ui(11),
                                     Palette::Role::accent);
        action->setAlignment(Qt::AlignRight);
        right->addWidget(action);
        row->addLayout(right);
        inner->addLayout(row);
    }
    inner->addWidget(summarised(
        new DetailLine(tr("Espai estimat"), Display::bytes(m_shared.session.selectedBytes()))));
    inner->addWidget(summarised(new DetailLine(tr("Espai real recuperat"), QStringLiteral("0 B"))));
    stack->addWidget(card);

    stack->addWidget(new InfoNote(tr("Aquesta confirmació només completa el flux visual. Cap "
                                     "fitxer s’enviarà a la Paperera i no es modificarà el Mac."),
                                  "info.circle"_symbol));
    auto *actions = new QHBoxLayout;
    actions->setSpacing(12);
    auto *back = new QuietButton(tr("Torna a la selecció"));
    connect(back, &QuietButton::clicked, this, [this] { m_shared.session.backToResults(); });
    auto *proceed = new PrimaryButton(tr("Continua amb la simulació"));
    connect(proceed, &PrimaryButton::clicked, this, &CleanupView::askConfirmation);
    m_firstAction = proceed;
    actions->addWidget(back);
    actions->addWidget(proceed);
    actions->addStretch(1);
    stack->addLayout(actions);
    return Layouts::widgetFor(stack);
}

QWidget *CleanupView::buildCompleted()
{
    auto *card = new Card(38);
    auto *stack = card->contentLayout();
    stack->setSpacing(22);
    stack->setAlignment(Qt::AlignHCenter);

    auto *seal = new SymbolView("checkmark.seal"_symbol, 48, Palette::Role::accent);
    stack->addWidget(seal, 0, Qt::AlignHCenter);
    auto *title = summarised(new TextLabel(tr("Demostració completada."),
                                           Fonts::ui(28, QFont::DemiBold), Palette::Role::ink));
    title->setAlignment(Qt::AlignHCenter);
    stack->addWidget(title);
    auto *unchanged = summarised(
        new TextLabel(tr("No s’ha modificat cap fitxer."), Fonts::ui(16), Palette::Role::ink));
    unchanged->setAlignment(Qt::AlignHCenter);
    stack->addWidget(unchanged);
    auto *summary =
        summarised(new TextLabel(tr("Has revisat %1 fitxers de mostra, amb un total estimat de "
                                    "%2. L’espai del disc no ha canviat.")
                                     .arg(m_shared.session.completedCount())
                                     .arg(Display::bytes(m_shared.session.completedBytes())),
                                 Fonts::ui(13), Palette::Role::ink));
    summary->setAlignment(Qt::AlignHCenter);
    summary->setWordWrap(true);
    stack->addWidget(summary);

    auto *actions = new QHBoxLayout;
    actions->setSpacing(12);
    actions->addStretch(1);
    auto *history = new PrimaryButton(tr("Consulta l’historial"));
    connect(history, &PrimaryButton::clicked, this,
            [this] { m_shared.navigation.setSelection(Section::history); });
    m_firstAction = history;
    auto *again = new QuietButton(tr("Repeteix la demostració"));
    connect(again, &QuietButton::clicked, this, [this] { m_shared.startScan(); });
    actions->addWidget(history);
    actions->addWidget(again);
    actions->addStretch(1);
    stack->addLayout(actions);
    return card;
}

void CleanupView::showDetail(const Candidate &candidate)
{
    if (m_detail)
        return; // one sheet at a time, however fast the clicks
    m_detail = new CandidateDetail(candidate, this);
    m_detail->open();
}

void CleanupView::askConfirmation()
{
    if (m_confirmation || m_shared.session.phase() != ScanPhase::review)
        return;
    m_confirmation = new QMessageBox(this);
    m_confirmation->setAttribute(Qt::WA_DeleteOnClose);
    m_confirmation->setWindowModality(Qt::WindowModal);
    m_confirmation->setIcon(QMessageBox::NoIcon);
    m_confirmation->setWindowTitle(tr("Confirma la simulació"));
    m_confirmation->setText(tr("Confirma la simulació"));
    m_confirmation->setInformativeText(
        confirmationMessage(m_shared.session.selectedCount(), m_shared.session.selectedBytes()));
    QPushButton *cancel = m_confirmation->addButton(tr("Cancel·la"), QMessageBox::RejectRole);
    QPushButton *confirm =
        m_confirmation->addButton(tr("Confirma la simulació"), QMessageBox::AcceptRole);
    m_confirmation->setDefaultButton(confirm);
    m_confirmation->setEscapeButton(cancel);
    connect(confirm, &QPushButton::clicked, this,
            [this] { m_shared.session.completeSimulation(); });
    m_confirmation->open();
}

} // namespace vesk
