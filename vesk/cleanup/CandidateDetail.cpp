// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "CandidateDetail.h"

#include "DesignSystem/DetailLine.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/ModalHeader.h"
#include "DesignSystem/RiskBadge.h"
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

    auto *lines = new QVBoxLayout;
    lines->setSpacing(0);
    lines->addWidget(new DetailLine(tr("Ubicació de mostra"), candidate.path));
    lines->addWidget(new DetailLine(tr("Categoria"), candidate.category));
    lines->addWidget(new DetailLine(tr("Mida estimada"), Display::bytes(candidate.bytes)));
    lines->addWidget(new DetailLine(tr("Acció prevista"), plannedAction(candidate.risk)));
    stack->addLayout(lines);
    addCloseRow();
}

QString CandidateDetail::plannedAction(Risk risk)
{
    return risk == Risk::protected_ ? tr("Cap acció · exclòs") : tr("Paperera (simulada)");
}

} // namespace vesk
