// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QProgressBar>

namespace vesk {

// A thin determinate bar in the palette's green, read by assistive technology
// as a progress bar named after its title (AccessibleGauge).
class GaugeBar : public QProgressBar
{
    Q_OBJECT

public:
    // What the bar stands for: a figure ("128 GB") that it reads as text, or
    // a progress whose fraction is the percentage shown beside it.
    enum class Reading
    {
        figure,
        progress,
    };

    GaugeBar(double fraction, const QString &title, const QString &valueText, Reading reading,
             QWidget *parent = nullptr);

    Reading reading() const { return m_reading; }
    QString text() const override { return m_valueText; }
    double fraction() const { return value() / 1000.0; }
    // Moves the bar and the figure read to assistive technology.
    void setFraction(double fraction, const QString &valueText);
    // Draws the bar at `fraction` on its way to the value it holds (an
    // animation's frame). The value read stays: a screen reader told of
    // every frame falls behind and drops what comes after.
    void setDrawnFraction(double fraction);
    double drawnFraction() const { return m_drawn; }
    QSize sizeHint() const override { return {120, 6}; }
    QSize minimumSizeHint() const override { return {20, 6}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_valueText;
    Reading m_reading;
    double m_drawn;
};

} // namespace vesk
