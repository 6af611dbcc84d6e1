// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "ApplicationDetail.h"
#include "DesignSystem/Page.h"
#include "SharedObjects.h"

#include <QPointer>

class QComboBox;
class QLineEdit;
class QVBoxLayout;

namespace vesk {

class SegmentedControl;

// The fictional application inventory: a search, a sort order and a filter
// over one list, derived afresh from the demo data on every change. A row
// opens the application's sheet, where its removal can be simulated.
class ApplicationsView : public Page
{
    Q_OBJECT

public:
    explicit ApplicationsView(SharedObjects shared, QWidget *parent = nullptr);

    // "38 GB + 6 GB": the package and its data.
    static QString splitText(const DemoApplication &app);

    QLineEdit *searchField() const { return m_search; }
    QComboBox *sortPicker() const { return m_sort; }
    SegmentedControl *filterPicker() const { return m_filter; }
    ApplicationDetail *openSheet() const { return m_sheet; }
    // The ids of the rows shown, in order.
    QStringList shownIds() const;

    void openApplication(const DemoApplication &app);

private:
    void showList();
    QWidget *buildRow(const DemoApplication &app);

    SharedObjects m_shared;
    QLineEdit *m_search;
    QComboBox *m_sort;
    SegmentedControl *m_filter;
    QVBoxLayout *m_rows;
    QStringList m_shownIds;
    QPointer<ApplicationDetail> m_sheet;
};

} // namespace vesk
