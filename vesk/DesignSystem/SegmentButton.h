// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAbstractButton>

namespace vesk {

// One segment of a SegmentedControl: checkable, auto-exclusive, drawn as a
// raised chip when checked.
class SegmentButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit SegmentButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vesk
