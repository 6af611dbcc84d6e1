// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ExclusionsTab.h"

#include "DesignSystem/DetailLine.h"
#include "DesignSystem/FocusHandoff.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/LinkButton.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/QuietButton.h"
#include "DesignSystem/SectionTitle.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/accessibility/Announcer.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "SettingsForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {

QStringList ExclusionsTab::exampleChoices()
{
    return {tr("Arxiu familiar"), tr("Aplicació Taller"), tr("Fitxer Llibre.pdf")};
}

ExclusionsTab::ExclusionsTab(QWidget *parent)
    : QWidget(parent), m_exclusions{tr("Documents personals"), tr("Recursos compartits")},
      m_excludedExample(exampleChoices().first())
{
    auto *stack = SettingsForm::stack(this);
    stack->addWidget(new SectionTitle(tr("Exclusions de mostra")));
    stack->addWidget(new InfoNote(tr("Aquest editor valida la presentació de les exclusions. "
                                     "Només conté noms ficticis i no selecciona carpetes del Mac. "
                                     "La política real es definirà en una fase posterior."),
                                  "info.circle"_symbol));

    auto *rows = new QWidget;
    m_exclusionRows = new QVBoxLayout(rows);
    m_exclusionRows->setContentsMargins(0, 0, 0, 0);
    m_exclusionRows->setSpacing(SettingsForm::spacing);
    stack->addWidget(rows);
    // Made before the picker and its button, as they are shown: until the tab
    // is in a window, its tab order is a ring, where "last, then first" is
    // already true and cannot be asked for.
    rebuildExclusionRows();

    m_example = SettingsForm::picker(exampleChoices());
    m_addExclusion = new QuietButton(tr("Afegeix"));
    connect(m_example, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        m_excludedExample = text;
        m_addExclusion->setEnabled(!m_exclusions.contains(m_excludedExample));
    });
    connect(m_addExclusion, &QPushButton::clicked, this, &ExclusionsTab::add);
    auto *addRow = SettingsForm::labelledRow(tr("Exemple"), m_example);
    addRow->insertWidget(addRow->count() - 1, m_addExclusion);
    stack->addLayout(addRow);
    stack->addStretch(1);
    m_addExclusion->setEnabled(!m_exclusions.contains(m_excludedExample));
}

QStringList ExclusionsTab::exclusions() const
{
    QStringList sorted(m_exclusions.cbegin(), m_exclusions.cend());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

void ExclusionsTab::add()
{
    const QString name = m_excludedExample;
    if (m_exclusions.contains(name))
        return;
    m_exclusions.insert(name);
    rebuildExclusionRows(name);
    Announcer::announce(this, tr("Exclusió afegida: %1").arg(name));
}

void ExclusionsTab::remove(const QString &name)
{
    const QStringList before = exclusions();
    const qsizetype at = before.indexOf(name);
    if (at < 0)
        return;
    m_exclusions.remove(name);
    // The focus goes on to the row that took its place, else the one above.
    const QString next = before.value(at + 1, before.value(at - 1));
    rebuildExclusionRows(next == name ? QString() : next);
    Announcer::announce(this, tr("Exclusió retirada: %1").arg(name));
}

void ExclusionsTab::rebuildExclusionRows(const QString &focusName)
{
    const bool hadFocus = FocusHandoff::isInside(this);
    // The old rows go once the focus has somewhere to be: hiding the one it
    // is in would throw it out of the tab.
    QList<QWidget *> old;
    while (QLayoutItem *item = m_exclusionRows->takeAt(0)) {
        if (item->widget())
            old << item->widget();
        delete item;
    }
    QWidget *focusTarget = nullptr;
    QList<QWidget *> order;
    for (const QString &name : exclusions()) {
        auto *row = new QWidget;
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(8);
        layout->addWidget(new SymbolView("lock"_symbol, 14, Palette::Role::secondary));
        layout->addWidget(new TextLabel(name, Fonts::ui(13), Palette::Role::ink));
        layout->addStretch(1);
        auto *removal = new LinkButton(QString(), tr("Retira de l’exemple"), Fonts::ui(13),
                                       Palette::Role::accent);
        removal->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        removal->setAccessibleDescription(name);
        connect(removal, &LinkButton::clicked, this, [this, name] { remove(name); });
        layout->addWidget(removal);
        m_exclusionRows->addWidget(row);
        row->show(); // now, not once the layout gets to it: the focus may go here
        order << removal;
        if (name == focusName)
            focusTarget = removal;
    }
    m_exclusionRows->parentWidget()->setVisible(!m_exclusions.isEmpty());
    if (m_addExclusion) {
        m_addExclusion->setEnabled(!m_exclusions.contains(m_excludedExample));
        // Tab goes through what is shown from the top: the rows, then the
        // picker and its button (new rows join the end of the chain).
        order << m_example << m_addExclusion;
        for (qsizetype i = 1; i < order.size(); ++i)
            QWidget::setTabOrder(order.at(i - 1), order.at(i));
    }
    if (hadFocus && !(focusTarget && FocusHandoff::give(focusTarget)) &&
        !FocusHandoff::give(m_addExclusion))
        FocusHandoff::give(m_example);
    for (QWidget *widget : std::as_const(old)) {
        widget->hide();
        widget->deleteLater();
    }
    emit exclusionsChanged();
}

} // namespace vesk
