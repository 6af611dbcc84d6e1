// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

namespace vesk {

// What a list shows when nothing is left in it: a symbol, a title and a hint,
// centred.
class EmptyState : public QWidget
{
    Q_OBJECT

public:
    EmptyState(const QString &title, const QString &symbol, const QString &description,
               QWidget *parent = nullptr);
};

} // namespace vesk
