#include "CandidateDetail.h"

#include "DesignSystem/DetailLine.h"
#include "DesignSystem/Fonts.h"
#include "DesignSystem/ModalHeader.h"
#include "DesignSystem/PrimaryButton.h"
#include "DesignSystem/RiskBadge.h"
#include "DesignSystem/TextLabel.h"
#include "SheetStyle.h"
#include "VeskCore/Display.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk {

CandidateDetail::CandidateDetail(const Candidate &candidate, QWidget *parent) : QDialog(parent)
{
    SheetStyle::apply(this, candidate.name);
    setFixedWidth(sheetWidth);

    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(30, 30, 30, 30);
    stack->setSpacing(22);
    stack->setSizeConstraint(QLayout::SetFixedSize);
    stack->addWidget(new ModalHeader(candidate.name, tr("Candidat fictici · cap accés al fitxer")));
    stack->addWidget(new RiskBadge(candidate.risk), 0, Qt::AlignLeft);
    auto *reason = new TextLabel(candidate.reason, Fonts::ui(14), Palette::Role::ink);
    reason->setWordWrap(true);
    reason->setFixedWidth(sheetWidth - 60);
    stack->addWidget(reason);

    auto *lines = new QVBoxLayout;
    lines->setSpacing(0);
    lines->addWidget(new DetailLine(tr("Ubicació de mostra"), candidate.path));
    lines->addWidget(new DetailLine(tr("Categoria"), candidate.category));
    lines->addWidget(new DetailLine(tr("Mida estimada"), Display::bytes(candidate.bytes)));
    lines->addWidget(new DetailLine(tr("Acció prevista"), plannedAction(candidate.risk)));
    stack->addLayout(lines);

    auto *actions = new QHBoxLayout;
    actions->addStretch(1);
    auto *close = new PrimaryButton(tr("Tanca"));
    connect(close, &PrimaryButton::clicked, this, &QDialog::reject);
    actions->addWidget(close);
    stack->addLayout(actions);
    close->setFocus();
}

QString CandidateDetail::plannedAction(Risk risk)
{
    return risk == Risk::protected_ ? tr("Cap acció · exclòs") : tr("Paperera (simulada)");
}

} // namespace vesk
