#pragma once

#include <QWidget>

namespace vesk {

// Five equal mint bars: the gauge of a figure that has no fraction. Purely
// decorative, hidden from assistive technology.
class MintBars : public QWidget
{
    Q_OBJECT

public:
    static constexpr int count = 5;
    static constexpr int gap = 5;

    explicit MintBars(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {120, 4}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vesk
