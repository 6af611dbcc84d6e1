// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

namespace vesk {

class TextLabel;

// Eyebrow, large rounded title and a subtitle that wraps and is never cut.
// Empty parts are left out.
class PageHeader : public QWidget
{
    Q_OBJECT

public:
    PageHeader(const QString &eyebrow, const QString &title, const QString &subtitle,
               QWidget *parent = nullptr);

    TextLabel *titleLabel() const { return m_title; }

private:
    TextLabel *m_title;
};

} // namespace vesk
