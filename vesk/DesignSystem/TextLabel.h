#pragma once

#include "Palette.h"

#include <QLabel>

namespace vesk {

// Plain text in a palette colour that is looked up at paint time, so the text
// follows the appearance without being rebuilt. Layout and the accessible
// name come from QLabel; only the painting is ours.
class TextLabel : public QLabel
{
    Q_OBJECT

public:
    TextLabel(const QString &text, const QFont &font, Palette::Role role,
              QWidget *parent = nullptr);

    Palette::Role role() const { return m_role; }
    void setRole(Palette::Role role);
    void setOpacity(qreal opacity);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Palette::Role m_role;
    qreal m_opacity = 1.0;
};

} // namespace vesk
