// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Measuring.h"

#include <QJsonObject>

// What a long-running vesk costs while nobody uses it, and what it holds
// after a long session.
namespace vesk::bench {

// Timer events and paints in two idle seconds, then during one simulated
// scan at 90 ms.
void measureWakeUps(Session &bench, QJsonObject &json);
// Resident memory before and after 1000 switches, then after 6000: what a
// long session holds must level off.
void measureMemoryGrowth(Session &bench, QJsonObject &json);

} // namespace vesk::bench
