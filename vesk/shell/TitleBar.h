// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

namespace vesk {

class TextLabel;

// The thin bar above every screen: the section's title and the demo badge.
class TitleBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int barHeight = 51;

    explicit TitleBar(QWidget *parent = nullptr);

    QString title() const;
    void setTitle(const QString &title);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TextLabel *m_title;
};

} // namespace vesk
