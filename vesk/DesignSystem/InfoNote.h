// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

namespace vesk {

// A quiet explanatory note: a symbol and a text that wraps and is never cut,
// on a soft rounded fill.
class InfoNote : public QWidget
{
    Q_OBJECT

public:
    InfoNote(const QString &text, const QString &symbol, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vesk
