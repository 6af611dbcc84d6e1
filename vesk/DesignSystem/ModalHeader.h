// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

namespace vesk {

// The top of every sheet: the demo badge, a rounded title and a subtitle.
class ModalHeader : public QWidget
{
    Q_OBJECT

public:
    ModalHeader(const QString &title, const QString &subtitle, QWidget *parent = nullptr);
};

} // namespace vesk
