// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Card.h"

#include <optional>

namespace vesk {

// One figure with a gauge: a title and symbol, the value in large rounded
// type, a detail line, a bar when a fraction is given (five mint bars
// otherwise) and a note. Painted as one widget, since a screen shows several;
// assistive technology reads it as its title, the figure as the value (as a
// progress bar when there is a fraction), then the detail and the note.
class MetricCard : public Card
{
    Q_OBJECT

public:
    static constexpr int contentHeight = 136;

    MetricCard(const QString &title, const QString &symbol, const QString &value,
               const QString &detail, std::optional<double> fraction, const QString &note,
               QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    QString m_symbol;
    QString m_value;
    QString m_detail;
    std::optional<double> m_fraction;
    QString m_note;
};

} // namespace vesk
