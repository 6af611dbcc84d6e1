// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAbstractButton>

namespace vesk {

// One shortcut of the home screen: a symbol on a soft tile, a title over a
// subtitle, and a chevron; the whole row is the button.
class RecommendationRow : public QAbstractButton
{
    Q_OBJECT

public:
    RecommendationRow(const QString &symbol, const QString &title, const QString &subtitle,
                      QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    QString m_subtitle;
};

} // namespace vesk
