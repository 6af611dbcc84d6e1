#include "ScreenFactory.h"

#include "DesignSystem/Page.h"
#include "DesignSystem/PageHeader.h"
#include "applications/ApplicationsView.h"
#include "cleanup/CleanupView.h"
#include "history/HistoryView.h"
#include "home/HomeView.h"
#include "performance/PerformanceView.h"
#include "privacy/PrivacyView.h"
#include "storage/StorageView.h"

#include <QCoreApplication>

namespace vesk::ScreenFactory {

namespace {
// A section whose screen is still to come: a page with its title.
QWidget *titledPage(Section section, SharedObjects shared)
{
    auto *page = new Page(shared.preferences);
    page->addWidget(new PageHeader(QString(), title(section), QString()));
    page->addStretch();
    return page;
}
} // namespace

QString title(Section section)
{
    return QCoreApplication::translate("vesk::Section", rawValue(section).toUtf8().constData());
}

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
    return titledPage(section, shared);
}

} // namespace vesk::ScreenFactory
