// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

namespace vesk {

// A key and its value on one row, the value right-aligned and wrapping.
class DetailLine : public QWidget
{
    Q_OBJECT

public:
    DetailLine(const QString &title, const QString &value, QWidget *parent = nullptr);
};

} // namespace vesk
