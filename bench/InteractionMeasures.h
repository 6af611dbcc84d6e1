// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Measuring.h"

#include <QJsonObject>

// What a person does in a running vesk, each timed until painted.
namespace vesk::bench {

// Section switches: the selection set to the new screen painted.
void measureSwitches(Session &bench, int switchCount, QJsonObject &json);
// Resizes between the minimum window and the configuration's, relaid out
// and painted, against a window holding one label.
void measureResizes(Session &bench, QJsonObject &json);
// One wheel step down or up on a long page, scrolled and painted.
void measureScrolling(Session &bench, QJsonObject &json);
// An application's sheet opened from its row and closed again.
void measureSheets(Session &bench, QJsonObject &json);
// The appearance switch, both windows repainted.
void measureAppearance(Session &bench, QJsonObject &json);
// The treemap layout over synthetic folders, to show how it scales.
void measureTreemap(QJsonObject &json);

} // namespace vesk::bench
