// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QWidget>

class QBoxLayout;

namespace vesk {

// Two blocks side by side, top-aligned, as soon as both fit at their minimum
// widths; one above the other otherwise.
class ResponsivePair : public QWidget
{
    Q_OBJECT

public:
    ResponsivePair(QWidget *first, int firstMinimum, QWidget *second, int secondMinimum,
                   int spacing, QWidget *parent = nullptr);

    static bool fitsSideBySide(int width, int firstMinimum, int secondMinimum, int spacing)
    {
        return width >= firstMinimum + spacing + secondMinimum;
    }
    bool sideBySide() const { return m_sideBySide; }

    // Narrow enough that the page can always squeeze it below the side by
    // side width, upon which it stacks the two blocks.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void arrange(bool sideBySide);

    QWidget *m_first;
    QWidget *m_second;
    int m_firstMinimum;
    int m_secondMinimum;
    int m_spacing;
    bool m_sideBySide = true;
    QBoxLayout *m_layout;
};

} // namespace vesk
