#pragma once

#include <QWidget>

namespace vesk {

// The small rounded square of a chart legend, in the data colour at a position.
class LegendSwatch : public QWidget
{
    Q_OBJECT

public:
    explicit LegendSwatch(int position, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_position;
};

} // namespace vesk
