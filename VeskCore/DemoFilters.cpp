// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DemoFilters.h"

#include "CheckedMath.h"
#include "DemoProvider.h"

#include <QCollator>

#include <algorithm>

namespace vesk::DemoFilters {

namespace {

bool passesFilter(const DemoApplication &app, AppFilter filter)
{
    switch (filter) {
    case AppFilter::all:
        return true;
    case AppFilter::unused:
        return app.unused;
    case AppFilter::remnants:
        return app.remnant;
    }
    return true;
}

} // namespace

QList<DemoApplication> applications(const QList<DemoApplication> &apps, const QString &search,
                                    AppFilter filter, AppSort sort)
{
    // Canonically equal texts match: a name typed with a precomposed "ç"
    // and one pasted with a combining cedilla are the same name. Accents stay
    // significant.
    const QString wanted = search.normalized(QString::NormalizationForm_C);
    QList<DemoApplication> kept;
    for (const DemoApplication &app : apps) {
        const bool matches =
            wanted.isEmpty() ||
            app.name.normalized(QString::NormalizationForm_C).contains(wanted, Qt::CaseInsensitive);
        if (matches && passesFilter(app, filter))
            kept.append(app);
    }

    switch (sort) {
    case AppSort::size:
        std::stable_sort(kept.begin(), kept.end(), [](const auto &a, const auto &b) {
            const qint64 ta = a.totalBytes();
            const qint64 tb = b.totalBytes();
            return ta != tb ? ta > tb : a.id < b.id;
        });
        break;
    case AppSort::name: {
        // The order a file manager uses: case-insensitive, digit runs compared
        // as numbers, in Catalan whatever the session's locale, as the
        // interface is. Equal names keep their input order.
        QCollator collator{QLocale(QLocale::Catalan, QLocale::Spain)};
        collator.setNumericMode(true);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(kept.begin(), kept.end(), [&collator](const auto &a, const auto &b) {
            return collator.compare(a.name, b.name) < 0;
        });
        break;
    }
    case AppSort::date:
        std::stable_sort(kept.begin(), kept.end(), [](const auto &a, const auto &b) {
            return a.installedDaysAgo != b.installedDaysAgo
                       ? a.installedDaysAgo < b.installedDaysAgo
                       : a.id < b.id;
        });
        break;
    }
    return kept;
}

QList<StorageNode> files(const StorageNode &root, StorageMode mode, qint64 minimumGB,
                         qint64 olderThanDays)
{
    // A threshold past the 64-bit range admits no file (or every file, when it
    // lies below the range) instead of overflowing.
    const std::optional<qint64> threshold = checkedMultiply(minimumGB, DemoProvider::gb);
    const auto admits = [&](const StorageNode &node) {
        switch (mode) {
        case StorageMode::mosaic:
            return true;
        case StorageMode::large:
            return threshold ? node.bytes >= *threshold : minimumGB < 0;
        case StorageMode::old:
            return node.modifiedDaysAgo >= olderThanDays;
        case StorageMode::duplicates:
            return node.duplicateGroup.has_value();
        }
        return false;
    };

    QList<StorageNode> result;
    for (const StorageNode &node : root.descendants()) {
        if (!node.isFolder() && !node.isNoAccess() && admits(node))
            result.append(node);
    }
    std::stable_sort(result.begin(), result.end(), [](const auto &a, const auto &b) {
        return a.bytes != b.bytes ? a.bytes > b.bytes : a.id < b.id;
    });
    return result;
}

std::optional<QList<StorageNode>> path(const QString &id, const StorageNode &root)
{
    if (root.id == id)
        return QList<StorageNode>{root};
    for (const StorageNode &child : root.children) {
        if (auto below = path(id, child)) {
            below->prepend(root);
            return below;
        }
    }
    return std::nullopt;
}

} // namespace vesk::DemoFilters
