// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "CandidateDetail.h"

#include "DesignSystem/DetailLine.h"
#include "DesignSystem/ModalHeader.h"
#include "DesignSystem/RiskBadge.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "VeskCore/Display.h"

#include <QVBoxLayout>

namespace vesk {

CandidateDetail::CandidateDetail(const Candidate &candidate, QWidget *parent)
    : Sheet(candidate.name, fixedWidth, 30, 22, parent)
{
    QVBoxLayout *stack = contentLayout();
    stack->addWidget(new ModalHeader(candidate.name, tr("Candidat fictici · cap accés al fitxer")));
    stack->addWidget(new RiskBadge(candidate.risk), 0, Qt::AlignLeft);
    auto *reason = new TextLabel(candidate.reason, Fonts::ui(14), Palette::Role::ink);
    reason->setWordWrap(true);
    stack->addWidget(reason);

    // Each line is a part of the sheet's stack, spaced as every other part.
    stack->addWidget(new DetailLine(tr("Ubicació de mostra"), candidate.path));
    stack->addWidget(new DetailLine(tr("Categoria"), candidate.category));
    stack->addWidget(new DetailLine(tr("Mida estimada"), Display::bytes(candidate.bytes)));
    stack->addWidget(new DetailLine(tr("Acció prevista"), plannedAction(candidate.risk)));
    addCloseRow();
}

QString CandidateDetail::plannedAction(Risk risk)
{
    return risk == Risk::protected_ ? tr("Cap acció · exclòs") : tr("Paperera (simulada)");
}

} // namespace vesk
