// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QProgressBar>

namespace vesk {

// A thin determinate bar in the palette's green, read by assistive technology
// as a progress bar named after its title whose value is the figure it stands
// for ("128 GB").
class GaugeBar : public QProgressBar
{
    Q_OBJECT

public:
    GaugeBar(double fraction, const QString &title, const QString &valueText,
             QWidget *parent = nullptr);

    QString text() const override { return m_valueText; }
    double fraction() const { return value() / 1000.0; }
    // Moves the bar and the figure read to assistive technology.
    void setFraction(double fraction, const QString &valueText);
    QSize sizeHint() const override { return {120, 6}; }
    QSize minimumSizeHint() const override { return {20, 6}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_valueText;
};

} // namespace vesk
