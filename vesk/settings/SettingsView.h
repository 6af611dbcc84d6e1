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

    explicit SettingsView(Preferences &preferences, QWidget *parent = nullptr);

    QString tab() const;
    void setTab(const QString &title);
    // The example exclusions of the Exclusions tab (built when first asked).
    QStringList exclusions();

    // The current tab's content; built the first time the tab is shown.
    QWidget *currentPage() const;

signals:
    void tabChanged();
    void exclusionsChanged();

private:
    static constexpr int exclusionsTab = 2;

    QWidget *pageFor(int index);
    void showTab(int index);
    // Whether `page` holds a control Tab can reach.
    static bool holdsControls(const QWidget *page);

    Preferences &m_preferences;
    QButtonGroup *m_tabs;
    QScrollArea *m_scroll;
    QList<QWidget *> m_pages;
};

} // namespace vesk
