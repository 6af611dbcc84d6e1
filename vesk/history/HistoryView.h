// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Page.h"
#include "DesignSystem/Sheet.h"
#include "SharedObjects.h"
#include "VeskCore/Models.h"

#include <QPointer>

class QCheckBox;
class QVBoxLayout;

namespace vesk {

class TextLabel;

// The session's operation records, newest first: the demo seeds and what the
// simulations of this run added. A filter keeps the completed ones; a record
// opens in a sheet. Nothing here changes, undoes or restores anything.
class HistoryView : public Page
{
    Q_OBJECT

public:
    explicit HistoryView(SharedObjects shared, QWidget *parent = nullptr);

    static QList<HistoryEntry> shown(const QList<HistoryEntry> &history, bool onlyCompleted);
    static QString symbolFor(const HistoryEntry &entry);

    QCheckBox *completedFilter() const { return m_onlyCompleted; }
    QStringList shownTitles() const { return m_shownTitles; }
    Sheet *openSheet() const { return m_sheet; }
    void openEntry(const HistoryEntry &entry);

private:
    void showList();

    SharedObjects m_shared;
    TextLabel *m_count;
    QCheckBox *m_onlyCompleted;
    QVBoxLayout *m_rows;
    QStringList m_shownTitles;
    QPointer<Sheet> m_sheet;
};

} // namespace vesk
