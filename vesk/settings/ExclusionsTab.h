// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QSet>
#include <QWidget>

class QComboBox;
class QPushButton;
class QVBoxLayout;

namespace vesk {

// The settings window's Exclusions tab: a small editor of example
// exclusions, fictitious names only, that live as long as the tab.
class ExclusionsTab : public QWidget
{
    Q_OBJECT

public:
    static QStringList exampleChoices();

    explicit ExclusionsTab(QWidget *parent = nullptr);

    // The example exclusions, sorted.
    QStringList exclusions() const;

signals:
    void exclusionsChanged();

private:
    void add();
    void remove(const QString &name);
    // Lists the exclusions again. When the focus was in the tab, it goes to
    // the button of the row `focusName`, or, with none, to "Afegeix".
    void rebuildExclusionRows(const QString &focusName = {});

    QSet<QString> m_exclusions;
    QString m_excludedExample;
    QVBoxLayout *m_exclusionRows = nullptr;
    QComboBox *m_example = nullptr;
    QPushButton *m_addExclusion = nullptr;
};

} // namespace vesk
