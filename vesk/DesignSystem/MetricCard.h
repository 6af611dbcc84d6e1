#pragma once

#include "Card.h"

#include <optional>

namespace vesk {

// One figure with a gauge: a title and symbol, the value in large rounded
// type, a detail line, a progress bar when a fraction is given (five mint
// bars otherwise) and a note.
class MetricCard : public Card
{
    Q_OBJECT

public:
    static constexpr int contentHeight = 136;

    MetricCard(const QString &title, const QString &symbol, const QString &value,
               const QString &detail, std::optional<double> fraction, const QString &note,
               QWidget *parent = nullptr);
};

} // namespace vesk
