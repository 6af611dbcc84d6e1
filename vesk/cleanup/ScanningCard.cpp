// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ScanningCard.h"

#include "DesignSystem/GaugeBar.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/QuietButton.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "StageList.h"
#include "SystemAppearance.h"
#include "VeskCore/DemoSession.h"
#include "VeskCore/Display.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <cmath>

namespace vesk {

ScanningCard::ScanningCard(DemoSession &session, SystemAppearance &system, QWidget *parent)
    : Card(32, parent), m_session(session), m_system(system)
{
    auto *stack = contentLayout();
    stack->setSpacing(26);

    auto *top = new QHBoxLayout;
    auto *titles = new QVBoxLayout;
    titles->setSpacing(6);
    m_title = new TextLabel(tr("Observant les dades de mostra…"), Fonts::ui(23, QFont::DemiBold),
                            Palette::Role::ink);
    titles->addWidget(m_title);
    m_stage = new TextLabel(QString(), Fonts::ui(13), Palette::Role::secondary);
    titles->addWidget(m_stage);
    top->addLayout(titles, 1);
    m_percent = new TextLabel(QString(), Fonts::ui(30, QFont::Light), Palette::Role::ink);
    top->addWidget(m_percent, 0, Qt::AlignTop);
    stack->addLayout(top);

    m_bar = new GaugeBar(0, tr("Progrés de l’anàlisi simulada"), percentText(0),
                         GaugeBar::Reading::progress);
    stack->addWidget(m_bar);

    m_stages = new StageList(11);
    stack->addWidget(m_stages);

    auto *bottom = new QHBoxLayout;
    auto *cancel = new QuietButton(tr("Cancel·la l’anàlisi"));
    connect(cancel, &QuietButton::clicked, this, [this] { m_session.cancel(); });
    bottom->addWidget(cancel);
    bottom->addStretch(1);
    bottom->addWidget(
        new TextLabel(tr("Només dades fictícies"), Fonts::ui(11), Palette::Role::secondary));
    stack->addLayout(bottom);

    m_animation.setDuration(animationMs);
    m_animation.setEasingCurve(QEasingCurve::InOutQuad);
    connect(&m_animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { m_bar->setDrawnFraction(value.toDouble()); });
    connect(&m_session, &DemoSession::progressChanged, this, &ScanningCard::refresh);
    refresh();
}

QString ScanningCard::stageStatus(int index, int current)
{
    if (index < current)
        return tr("Completa");
    return index == current ? tr("En curs") : tr("Pendent");
}

QString ScanningCard::stageSymbol(int index, int current)
{
    if (index < current)
        return "checkmark.circle.fill"_symbol;
    return index == current ? "circle.inset.filled"_symbol : "circle"_symbol;
}

QString ScanningCard::percentText(double progress)
{
    return tr("%1 %").arg(int(std::trunc(progress * 100)));
}

void ScanningCard::refresh()
{
    const int current = m_session.stageIndex();
    m_stage->setText(Display::stageName(m_session.scanStages().value(current)));
    m_percent->setText(percentText(m_session.progress()));
    QList<StageList::Row> rows;
    const QStringList stages = m_session.scanStages();
    for (int i = 0; i < stages.size(); ++i) {
        rows.append({stageSymbol(i, current),
                     i <= current ? Palette::Role::accent : Palette::Role::secondary,
                     Display::stageName(stages.at(i)), stageStatus(i, current)});
    }
    m_stages->setRows(rows);

    // The value is read at once; only the drawing eases towards it.
    const double target = m_session.progress();
    const double drawn = m_bar->drawnFraction();
    m_animation.stop();
    m_bar->setFraction(target, percentText(target));
    if (!m_system.prefersReducedMotion() && isVisible()) {
        m_bar->setDrawnFraction(drawn);
        m_animation.setStartValue(drawn);
        m_animation.setEndValue(target);
        m_animation.start();
    }
}

} // namespace vesk
