// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/text/TextMeasure.h"

#include <QStyledItemDelegate>

#include <map>

namespace vesk {

// Paints one section row of the sidebar: symbol, title, the mint dot of the
// selected row and, on the cleanup row while a scan runs, a small spinner.
class SidebarRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int rowHeight = 43;
    static constexpr int rowGap = 5;
    static constexpr int horizontalPadding = 13;

    // Data roles of the model the delegate reads.
    enum Role
    {
        SectionRole = Qt::UserRole + 1,
        BusyRole
    };

    explicit SidebarRowDelegate(QObject *parent = nullptr);

    // The angle of the busy spinner, advanced by the sidebar while scanning.
    void setSpinnerAngle(int degrees) { m_spinnerAngle = degrees; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    // A row's title, laid out once: the sidebar repaints every row on a
    // resize, a hover or a switch, and QPainter::drawText shapes the text
    // again each time.
    const TextMeasure &title(const QString &text, bool selected) const;

    int m_spinnerAngle = 0;
    mutable std::map<std::pair<QString, bool>, TextMeasure> m_titles;
};

} // namespace vesk
