// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Page.h"
#include "SharedObjects.h"
#include "VeskCore/Models.h"

namespace vesk {

class PrimaryButton;

// The start screen: a greeting with the one main action, four fixed health
// figures, the demo disk as a ring with its legend, three shortcuts and a
// reassurance line. Only the ring and legend read the demo data.
class HomeView : public Page
{
    Q_OBJECT

public:
    static constexpr int metricMinimumWidth = 165;
    static constexpr int metricSpacing = 14;
    static constexpr int storageMinimumWidth = 360;
    static constexpr int recommendationsMinimumWidth = 245;
    static constexpr int cardSpacing = 18;

    explicit HomeView(SharedObjects shared, QWidget *parent = nullptr);

    PrimaryButton *mainButton() const { return m_mainButton; }
    // The main button's text for the session's current phase.
    static QString mainButtonText(ScanPhase phase);

private:
    QWidget *buildHero();
    QWidget *buildMetrics();
    QWidget *buildStorageCard();
    QWidget *buildRecommendationsCard();
    QWidget *buildReassurance();
    void analyse();

    SharedObjects m_shared;
    PrimaryButton *m_mainButton = nullptr;
};

} // namespace vesk
