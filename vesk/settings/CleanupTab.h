// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

class QCheckBox;

namespace vesk {

class Preferences;

// The settings window's Cleanup tab: the categories of the simulated scan,
// which live in memory only, and the pre-selection of low-risk candidates.
class CleanupTab : public QWidget
{
    Q_OBJECT

public:
    // The categories the scan can leave out, compared exactly with a
    // candidate's category.
    static QStringList categories();

    explicit CleanupTab(Preferences &preferences, QWidget *parent = nullptr);

private:
    void syncCategoryToggles();

    Preferences &m_preferences;
    QList<QCheckBox *> m_categoryToggles;
};

} // namespace vesk
