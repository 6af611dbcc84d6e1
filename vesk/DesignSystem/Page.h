// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QScrollArea>

class QVBoxLayout;

namespace vesk {

class Preferences;

// The scaffold of every main screen: a vertical scroll view holding a column
// at most 1250 wide, centred, padded 30, whose blocks sit 26 apart (18 with
// compact cards; the spacing follows the preference live).
class Page : public QScrollArea
{
    Q_OBJECT

public:
    static constexpr int maximumColumnWidth = 1250;
    static constexpr int padding = 30;
    static int spacing(bool compactCards) { return compactCards ? 18 : 26; }

    explicit Page(Preferences &preferences, QWidget *parent = nullptr);

    void addWidget(QWidget *widget);
    void addLayout(QLayout *layout);
    void addStretch();
    QVBoxLayout *columnLayout() const { return m_column; }

private:
    Preferences &m_preferences;
    QVBoxLayout *m_column;
};

} // namespace vesk
