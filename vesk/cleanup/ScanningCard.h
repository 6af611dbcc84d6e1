// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Card.h"

#include <QVariantAnimation>

namespace vesk {

class DemoSession;
class GaugeBar;
class SystemAppearance;
class TextLabel;
class StageList;

// The card shown while the simulated scan runs: the current stage and
// percentage, the progress bar (eased over 0.1 s unless the desktop asks for
// reduced motion), every stage with its status, and the cancel button.
class ScanningCard : public Card
{
    Q_OBJECT

public:
    static constexpr int animationMs = 100;

    ScanningCard(DemoSession &session, SystemAppearance &system, QWidget *parent = nullptr);

    // "Completa", "En curs" or "Pendent" for stage `index` at `current`.
    static QString stageStatus(int index, int current);
    static QString stageSymbol(int index, int current);
    // The whole percent of `progress`, then " %".
    static QString percentText(double progress);

    GaugeBar *progressBar() const { return m_bar; }
    TextLabel *title() const { return m_title; }

private:
    void refresh();

    DemoSession &m_session;
    SystemAppearance &m_system;
    TextLabel *m_title;
    TextLabel *m_stage;
    TextLabel *m_percent;
    GaugeBar *m_bar;
    StageList *m_stages;
    QVariantAnimation m_animation;
};

} // namespace vesk
