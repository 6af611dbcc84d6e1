// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Models.h"

#include <QFuture>
#include <QSet>

// The seams a real analysis and cleanup engine would fill. Nothing in vesk
// implements or calls them: every screen draws from the demo data and the demo
// session. Each contract has one asynchronous operation that yields the kind of
// data its demo counterpart provides today.

namespace vesk {

class SystemAnalysisService
{
public:
    virtual ~SystemAnalysisService() = default;
    // Cleanup candidates found on the machine as a whole.
    virtual QFuture<QList<Candidate>> analyseSystem() = 0;
};

class FileClassificationService
{
public:
    virtual ~FileClassificationService() = default;
    // What each file is and how risky its removal would be.
    virtual QFuture<QList<Candidate>> classifyFiles(const QStringList &paths) = 0;
};

class StorageAnalysisService
{
public:
    virtual ~StorageAnalysisService() = default;
    // The tree of what occupies the disk.
    virtual QFuture<StorageNode> analyseStorage() = 0;
};

class ApplicationInventoryService
{
public:
    virtual ~ApplicationInventoryService() = default;
    // The installed applications with their data outside the package.
    virtual QFuture<QList<DemoApplication>> inventoryApplications() = 0;
};

class PerformanceMonitoringService
{
public:
    virtual ~PerformanceMonitoringService() = default;
    // Recent samples of processor, memory and disk activity.
    virtual QFuture<QList<PerformancePoint>> sampleActivity() = 0;
};

class PrivacyDiagnosticService
{
public:
    virtual ~PrivacyDiagnosticService() = default;
    // The state of the privacy and security protections.
    virtual QFuture<QList<Protection>> diagnoseProtections() = 0;
};

class OperationHistoryService
{
public:
    virtual ~OperationHistoryService() = default;
    // The record of operations performed, newest first.
    virtual QFuture<QList<HistoryEntry>> operationHistory() = 0;
};

// A cleanup the user has reviewed and confirmed. Taken as given: an empty set
// or any date is accepted.
struct ReviewedCleanupPlan
{
    QSet<QString> candidateIDs;
    QDateTime confirmedAt;
};

class CleanupService
{
public:
    virtual ~CleanupService() = default;
    // Carries out the confirmed plan and yields the record of what was done.
    virtual QFuture<HistoryEntry> performCleanup(const ReviewedCleanupPlan &plan) = 0;
};

} // namespace vesk
