// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAbstractButton>

namespace vesk {

// One tab of the settings window: a symbol over its title, drawn in the accent
// on a soft fill when it is the current tab.
class SettingsTabButton : public QAbstractButton
{
    Q_OBJECT

public:
    SettingsTabButton(const QString &symbol, const QString &title, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
};

} // namespace vesk
