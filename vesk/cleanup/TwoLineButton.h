// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAbstractButton>

namespace vesk {

// A plain button that is a title over a smaller secondary line, aligned to the
// start and filling its width; the whole rectangle is clickable.
class TwoLineButton : public QAbstractButton
{
    Q_OBJECT

public:
    TwoLineButton(const QString &title, const QString &detail, QWidget *parent = nullptr);

    QString detail() const { return m_detail; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_detail;
    mutable QSize m_sizeHint; // measuring shapes both lines: once is enough
};

} // namespace vesk
