// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Palette.h"

#include "DesignSystem/accessibility/AccessibleKind.h"
#include "DesignSystem/text/TextRun.h"

#include <QWidget>

namespace vesk {

// The stages of the simulated scan, one per row: a symbol, the stage's name
// and its status at the far end. Painted as one widget; each name and each
// status is read as a text of its own.
class StageList : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    struct Row
    {
        QString symbol;
        Palette::Role symbolRole;
        QString name;
        QString status;
    };

    explicit StageList(int statusPixels, QWidget *parent = nullptr);

    QAccessible::Role accessibleRole() const override { return QAccessible::List; }
    QList<PaintedText> paintedTexts() const override;

    QList<Row> rows() const { return m_rows; }
    void setRows(const QList<Row> &rows);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {200, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Each row's name and status, as painted and as read.
    QList<TextRun> textRuns() const;

    int m_statusPixels;
    QList<Row> m_rows;
};

} // namespace vesk
