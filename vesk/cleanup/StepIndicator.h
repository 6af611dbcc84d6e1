// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

namespace vesk {

// The four steps of the cleanup, numbered, with the steps reached so far in
// the accent. One element for assistive technology, read as it is drawn.
class StepIndicator : public QWidget
{
    Q_OBJECT

public:
    static QStringList stepNames();

    explicit StepIndicator(QWidget *parent = nullptr);

    int currentStep() const { return m_current; }
    // The current step as it is read: "Pas actual: 2 de 4, Entén".
    QString currentStepText() const;
    void setCurrentStep(int step);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_current = 0;
};

} // namespace vesk
