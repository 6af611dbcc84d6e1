// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Page.h"
#include "SharedObjects.h"
#include "VeskCore/Models.h"

class QComboBox;
class QVBoxLayout;

namespace vesk {

class ActivityChart;
class InfoNote;
class SegmentedControl;
class TextLabel;

// A calm reading of simulated activity: three fixed figures, a chart of one
// resource over the last 12 or 24 minutes of the demo series with an
// inspector, and the demo processes with a filter.
class PerformanceView : public Page
{
    Q_OBJECT

public:
    explicit PerformanceView(SharedObjects shared, QWidget *parent = nullptr);

    static QStringList processFilters();
    static QList<DemoProcess> processes(const QList<DemoProcess> &all, const QString &filter);
    // "7,2 % CPU" in the given locale.
    static QString cpuText(double cpu, const QLocale &locale = QLocale());

    ActivityChart *chart() const { return m_chart; }
    SegmentedControl *metricPicker() const { return m_metric; }
    QComboBox *rangePicker() const { return m_range; }
    QComboBox *processPicker() const { return m_processFilter; }
    QStringList shownProcesses() const { return m_shownProcesses; }

private:
    void showChart();
    void showProcesses();

    SharedObjects m_shared;
    SegmentedControl *m_metric;
    QComboBox *m_range;
    TextLabel *m_metricTitle;
    TextLabel *m_unit;
    ActivityChart *m_chart;
    InfoNote *m_note = nullptr;
    QVBoxLayout *m_noteLayout;
    QComboBox *m_processFilter;
    QVBoxLayout *m_processRows;
    QStringList m_shownProcesses;
};

} // namespace vesk
