// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QSet>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace vesk {

class Preferences;
class SegmentedControl;

// The settings window: five tabs over the preferences, the categories of the
// simulated scan and a small editor of example exclusions. The tab, the
// example exclusions and the chosen example live only as long as the view.
class SettingsView : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    QAccessible::Role accessibleRole() const override { return QAccessible::Window; }

    static constexpr int windowWidth = 630;
    static constexpr int windowHeight = 570;

    // The tab titles in order; the first is where the window opens.
    static QStringList tabTitles();
    // The categories the scan can leave out, compared exactly with a
    // candidate's category.
    static QStringList scanCategories();
    static QStringList exampleChoices();

    explicit SettingsView(Preferences &preferences, QWidget *parent = nullptr);

    QString tab() const;
    void setTab(const QString &title);
    QStringList exclusions() const;

    // The current tab's content; built the first time the tab is shown.
    QWidget *currentPage() const;

signals:
    void tabChanged();
    void exclusionsChanged();

private:
    QWidget *buildGeneral();
    QWidget *buildCleanup();
    QWidget *buildExclusions();
    QWidget *buildPermissions();
    QWidget *buildAbout();
    QWidget *pageFor(int index);
    void showTab(int index);
    void rebuildExclusionRows();
    void syncCategoryToggles();

    Preferences &m_preferences;
    QButtonGroup *m_tabs;
    QScrollArea *m_scroll;
    QList<QWidget *> m_pages;

    QSet<QString> m_exclusions;
    QString m_excludedExample;

    QList<QCheckBox *> m_categoryToggles;
    QVBoxLayout *m_exclusionRows = nullptr;
    QPushButton *m_addExclusion = nullptr;
};

} // namespace vesk
