// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ServiceContracts.h"

#include <type_traits>

namespace vesk {

// The contracts carry no behaviour of their own; they must stay pure interfaces.
static_assert(std::is_abstract_v<SystemAnalysisService>);
static_assert(std::is_abstract_v<FileClassificationService>);
static_assert(std::is_abstract_v<StorageAnalysisService>);
static_assert(std::is_abstract_v<ApplicationInventoryService>);
static_assert(std::is_abstract_v<PerformanceMonitoringService>);
static_assert(std::is_abstract_v<PrivacyDiagnosticService>);
static_assert(std::is_abstract_v<OperationHistoryService>);
static_assert(std::is_abstract_v<CleanupService>);
static_assert(std::is_aggregate_v<ReviewedCleanupPlan>);

} // namespace vesk
