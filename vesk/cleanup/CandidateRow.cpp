// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "CandidateRow.h"

#include "DesignSystem/Icons.h"
#include "DesignSystem/RiskBadge.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "IconButton.h"
#include "TwoLineButton.h"
#include "VeskCore/Display.h"

#include <QCheckBox>
#include <QHBoxLayout>

namespace vesk {

CandidateRow::CandidateRow(const Candidate &candidate, QWidget *parent)
    : QWidget(parent), m_candidate(candidate), m_check(new QCheckBox)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 6, 0, 6);
    row->setSpacing(12);

    // The label is hidden; a screen reader still hears which candidate it is,
    // and the risk and size the row shows beside it.
    m_check->setAccessibleName(candidate.name);
    m_check->setAccessibleDescription(
        tr("%1, %2").arg(RiskBadge::title(candidate.risk), Display::bytes(candidate.bytes)));
    m_check->setEnabled(candidate.selectable());
    connect(m_check, &QCheckBox::clicked, this, [this] { emit toggled(m_candidate); });
    row->addWidget(m_check);

    auto *name = new TwoLineButton(
        candidate.name, tr("%1 fitxers · %2").arg(candidate.fileCount).arg(candidate.category));
    connect(name, &TwoLineButton::clicked, this, [this] { emit detailRequested(m_candidate); });
    row->addWidget(name, 1);
    row->addWidget(new RiskBadge(candidate.risk));

    auto *size = new TextLabel(Display::bytes(candidate.bytes), Fonts::ui(13, QFont::Medium),
                               Palette::Role::ink);
    size->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    size->setFixedWidth(sizeColumnWidth);
    row->addWidget(size);

    auto *info = new IconButton("info.circle"_symbol, 15, Palette::Role::secondary,
                                tr("Detalls de %1").arg(candidate.name));
    connect(info, &IconButton::clicked, this, [this] { emit detailRequested(m_candidate); });
    row->addWidget(info);
}

void CandidateRow::showChecked(bool checked)
{
    const QSignalBlocker blocker(m_check);
    m_check->setChecked(checked);
}

} // namespace vesk
