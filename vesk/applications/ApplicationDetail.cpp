// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ApplicationDetail.h"

#include "ApplicationSummary.h"
#include "DesignSystem/FocusHandoff.h"
#include "DesignSystem/HorizontalRule.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/ModalHeader.h"
#include "DesignSystem/PrimaryButton.h"
#include "DesignSystem/QuietButton.h"
#include "DesignSystem/RiskBadge.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/accessibility/Announcer.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "LockedCheckBox.h"
#include "VeskCore/CheckedMath.h"
#include "VeskCore/DemoSession.h"
#include "VeskCore/Display.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vesk {

ApplicationDetail::ApplicationDetail(const DemoApplication &app, DemoSession &session,
                                     QWidget *parent)
    : Sheet(app.name, fixedWidth, 28, 20, parent), m_app(app), m_session(session)
{
    rebuild();
}

QList<Candidate> ApplicationDetail::chosen(const DemoApplication &app,
                                           const QSet<QString> &selectedIDs)
{
    QList<Candidate> result;
    for (const Candidate &component : app.components) {
        if (selectedIDs.contains(component.id) && component.risk != Risk::protected_)
            result.append(component);
    }
    return result;
}

void ApplicationDetail::setTicked(const QString &componentId, bool ticked)
{
    if (m_reviewing || m_completed || m_app.protected_)
        return;
    if (ticked)
        m_selectedIDs.insert(componentId);
    else
        m_selectedIDs.remove(componentId);
    refreshSelection();
}

void ApplicationDetail::advance()
{
    if (m_completed || m_app.protected_ || chosen().isEmpty())
        return;
    if (!m_reviewing) {
        m_reviewing = true;
        rebuild();
        return;
    }
    if (m_confirmation)
        return;
    m_confirmation = new QMessageBox(this);
    m_confirmation->setAttribute(Qt::WA_DeleteOnClose);
    m_confirmation->setWindowModality(Qt::WindowModal);
    m_confirmation->setWindowTitle(tr("Simula la desinstal·lació"));
    m_confirmation->setText(tr("Simula la desinstal·lació"));
    m_confirmation->setInformativeText(tr("Aquesta acció completa la demostració. L’aplicació i "
                                          "totes les seves dades es conservaran."));
    QPushButton *cancel = m_confirmation->addButton(tr("Cancel·la"), QMessageBox::RejectRole);
    QPushButton *confirm =
        m_confirmation->addButton(tr("Confirma la simulació"), QMessageBox::AcceptRole);
    m_confirmation->setEscapeButton(cancel);
    m_confirmation->setDefaultButton(confirm);
    connect(confirm, &QPushButton::clicked, this, [this] {
        if (m_completed)
            return;
        m_session.recordApplicationSimulation(m_app, chosen());
        m_completed = true;
        rebuild();
    });
    m_confirmation->open();
}

void ApplicationDetail::back()
{
    if (!m_reviewing || m_completed)
        return;
    m_reviewing = false;
    rebuild();
}

void ApplicationDetail::rebuild()
{
    const bool hadFocus = FocusHandoff::isInside(m_body);
    const bool firstBuild = !m_body;
    if (m_body) {
        // The old body may hold the button that caused this change.
        contentLayout()->removeWidget(m_body);
        m_body->hide();
        m_body->deleteLater();
    }
    m_total = nullptr;
    m_primary = nullptr;
    m_firstAction = nullptr;

    auto *body = new QWidget(this);
    auto *stack = new QVBoxLayout(body);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(20);
    const QString subtitle = m_completed   ? tr("Simulació completada")
                             : m_reviewing ? tr("Revisa els elements seleccionats")
                                           : tr("Analitza els components de mostra");
    stack->addWidget(new ModalHeader(m_app.name, subtitle));
    QWidget *list = nullptr;
    if (m_completed) {
        stack->addWidget(new InfoNote(completionNote(), "checkmark.seal"_symbol));
    } else {
        stack->addWidget(new ApplicationSummary(m_app));
        list = addComponentList(stack);
        addGuidance(stack);
        m_total = new TextLabel(QString(), Fonts::ui(13, QFont::Medium), Palette::Role::ink);
        stack->addWidget(m_total);
    }
    addActions(stack);

    contentLayout()->addWidget(body);
    m_body = body;
    body->show();
    refreshSelection();
    fitWindow(list);
    adjustSize();
    // The button used went with its step: the keyboard carries on with the
    // new step's action, and a screen reader hears what the step holds.
    if (hadFocus && !(m_firstAction && FocusHandoff::give(m_firstAction)))
        FocusHandoff::toFirstControl(body);
    if (!firstBuild && isVisible())
        Announcer::announce(this, stepSummary(subtitle));
}

QString ApplicationDetail::stepSummary(const QString &subtitle) const
{
    QStringList said{subtitle};
    if (m_completed) {
        said << completionNote();
        return Announcer::sentences(said);
    }
    if (m_reviewing) {
        for (const Candidate &component : chosen())
            said << componentLine(component);
    }
    if (m_total)
        said << m_total->text();
    return Announcer::sentences(said);
}

QString ApplicationDetail::componentLine(const Candidate &component) const
{
    return tr("%1: %2, %3")
        .arg(component.name, Display::bytes(component.bytes),
             RiskBadge::title(m_app.protected_ ? Risk::protected_ : component.risk));
}

QString ApplicationDetail::completionNote()
{
    return tr("Cap aplicació desinstal·lada. Cap fitxer modificat. S’ha afegit un registre de "
              "demostració a l’historial.");
}

QWidget *ApplicationDetail::addComponentList(QVBoxLayout *stack)
{
    auto *list = new QWidget;
    auto *blocks = new QVBoxLayout(list);
    blocks->setContentsMargins(0, 0, 12, 0);
    blocks->setSpacing(15);
    for (const Candidate &component : m_reviewing ? chosen() : m_app.components)
        blocks->addWidget(buildComponent(component));
    blocks->addStretch(1);
    auto *scroll = new QScrollArea;
    scroll->setAccessibleName(tr("Components"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // the first component takes the first focus
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setBackgroundRole(QPalette::Window);
    scroll->setWidget(list);
    list->setBackgroundRole(QPalette::Window);
    scroll->setMaximumHeight(listMaximumHeight);
    scroll->setMinimumHeight(qMin(listMaximumHeight, list->sizeHint().height()));
    stack->addWidget(scroll);
    return scroll;
}

void ApplicationDetail::addGuidance(QVBoxLayout *stack)
{
    if (m_app.protected_) {
        stack->addWidget(new InfoNote(tr("Aquesta aplicació representa un component del "
                                         "sistema. No es pot seleccionar ni desinstal·lar."),
                                      "lock.shield"_symbol));
        return;
    }
    stack->addWidget(new InfoNote(
        m_reviewing ? tr("Acció prevista: Paperera simulada. Les dades personals i els recursos "
                         "compartits estan exclosos. Cap operació real.")
                    : tr("Selecciona explícitament què vols revisar. Cap component es considera "
                         "prescindible pel sol fet d’estar relacionat amb l’aplicació."),
        "info.circle"_symbol));
}

void ApplicationDetail::addActions(QVBoxLayout *stack)
{
    auto *actions = new QHBoxLayout;
    auto *close = new QuietButton(m_completed ? tr("Tanca") : tr("Cancel·la"));
    connect(close, &QuietButton::clicked, this, &QDialog::reject);
    actions->addWidget(close);
    if (m_completed)
        m_firstAction = close;
    if (m_reviewing && !m_completed) {
        auto *backButton = new QuietButton(tr("Enrere"));
        connect(backButton, &QuietButton::clicked, this, &ApplicationDetail::back);
        actions->addWidget(backButton);
    }
    actions->addStretch(1);
    if (!m_app.protected_ && !m_completed) {
        m_primary =
            new PrimaryButton(m_reviewing ? tr("Confirma la simulació") : tr("Revisa la selecció"));
        connect(m_primary, &PrimaryButton::clicked, this, &ApplicationDetail::advance);
        actions->addWidget(m_primary);
        if (m_reviewing)
            m_firstAction = m_primary;
    }
    stack->addLayout(actions);
}

QWidget *ApplicationDetail::buildComponent(const Candidate &component)
{
    auto *block = new QWidget;
    auto *stack = new QVBoxLayout(block);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(7);
    auto *row = new QHBoxLayout;
    row->setSpacing(10);
    const Risk risk = m_app.protected_ ? Risk::protected_ : component.risk;
    if (m_reviewing) {
        row->addWidget(
            new TextLabel(component.name, Fonts::ui(12, QFont::Medium), Palette::Role::ink));
    } else {
        QCheckBox *box = nullptr;
        if (m_app.protected_ || component.risk == Risk::protected_) {
            box = new LockedCheckBox(component.name);
        } else {
            box = new QCheckBox(component.name);
            box->setChecked(m_selectedIDs.contains(component.id));
            const QString id = component.id;
            connect(box, &QCheckBox::toggled, this, [this, id](bool on) { setTicked(id, on); });
        }
        box->setFont(Fonts::ui(12));
        // The size and the badge beside it travel with the box.
        box->setAccessibleDescription(
            tr("%1, %2").arg(Display::bytes(component.bytes), RiskBadge::title(risk)));
        row->addWidget(box);
    }
    row->addStretch(1);
    row->addWidget(
        new TextLabel(Display::bytes(component.bytes), Fonts::ui(12), Palette::Role::ink));
    row->addWidget(new RiskBadge(risk));
    stack->addLayout(row);
    auto *reason = new TextLabel(component.reason, Fonts::ui(11), Palette::Role::secondary);
    reason->setWordWrap(true);
    stack->addWidget(reason);
    stack->addWidget(new HorizontalRule(Palette::Role::secondary, 0.15));
    return block;
}

void ApplicationDetail::refreshSelection()
{
    const QList<Candidate> picked = chosen();
    qint64 total = 0;
    for (const Candidate &component : picked)
        total = saturatingAdd(total, component.bytes);
    if (!m_total)
        return;
    const QString before = m_total->text();
    m_total->setText(tr("Total seleccionat: %1").arg(Display::bytes(total)));
    if (!m_primary)
        return;
    const bool couldAdvance = m_primary->isEnabled();
    m_primary->setEnabled(!picked.isEmpty()); // half transparent while disabled
    // A tick changes the total below the list: it is told, and so is the
    // button that comes and goes with it.
    if (before.isEmpty() || before == m_total->text())
        return;
    QStringList said{m_total->text()};
    if (couldAdvance != m_primary->isEnabled())
        said << Announcer::availability(m_primary->text(), m_primary->isEnabled());
    Announcer::announce(this, Announcer::sentences(said));
}

} // namespace vesk
