// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "ScreenFactory.h"

#include "applications/ApplicationsView.h"
#include "cleanup/CleanupView.h"
#include "history/HistoryView.h"
#include "home/HomeView.h"
#include "performance/PerformanceView.h"
#include "privacy/PrivacyView.h"
#include "storage/StorageView.h"

namespace vesk::ScreenFactory {

QWidget *create(Section section, SharedObjects shared)
{
    switch (section) {
    case Section::home:
        return new HomeView(shared);
    case Section::cleanup:
        return new CleanupView(shared);
    case Section::storage:
        return new StorageView(shared);
    case Section::applications:
        return new ApplicationsView(shared);
    case Section::privacy:
        return new PrivacyView(shared);
    case Section::history:
        return new HistoryView(shared);
    case Section::performance:
        return new PerformanceView(shared);
    }
    return nullptr; // every section has a screen; the switch covers them all
}

} // namespace vesk::ScreenFactory
