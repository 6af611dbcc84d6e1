// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QJsonObject>
#include <QString>

// Start-up: the time from spawn to the first complete paint, the peak memory
// then, and the instructions executed, each against a minimal Qt window.
namespace vesk::bench {

// Start-up time and peak memory over `runCount` runs of vesk and of the
// minimal window, alternating; with `profile`, the time to each stage.
void measureStartup(int runCount, const QString &home, bool profile, QJsonObject &json);

// The start-up instructions of both, counted by callgrind; prints its table
// and figures and returns the process's exit code.
int measureInstructions(const QString &home);

} // namespace vesk::bench
