// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QJsonObject>
#include <QSize>
#include <QString>
#include <QStringList>

// The device pixel ratios and window sizes the interactions are measured
// at, each in a process of its own, and the budgets each must keep.
namespace vesk::bench {

// One device pixel ratio and window size, measured in a process of its own.
struct Configuration
{
    double ratio;
    QSize size;
    double medianBudgetMs;  // every interaction's median; 0: none
    double maximumBudgetMs; // every interaction's maximum; 0: none
};

QString sizeText(QSize size);
QString nameOf(const Configuration &configuration);

// What in a configuration's figures is over its budgets, one line each.
QStringList overBudget(const Configuration &configuration, const QJsonObject &figures);

// Runs this benchmark for one configuration in a new process (the ratio is
// fixed when Qt starts), passes its table through and returns its figures.
QJsonObject measureInChild(const Configuration &configuration, const QStringList &passOn,
                           const QString &home);

} // namespace vesk::bench
