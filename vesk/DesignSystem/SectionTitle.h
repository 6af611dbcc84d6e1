// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

namespace vesk {

// A card's title, with an optional small subtitle at the far end.
class SectionTitle : public QWidget
{
    Q_OBJECT

public:
    explicit SectionTitle(const QString &title, const QString &subtitle = QString(),
                          QWidget *parent = nullptr);
};

} // namespace vesk
