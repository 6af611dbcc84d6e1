// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Palette.h"
#include "TextMeasure.h"

#include <QFont>
#include <QWidget>

#include <optional>

namespace vesk {

// Plain text in a palette colour looked up at paint time, so it follows the
// appearance without being rebuilt. A deliberately light widget: screens
// hold many of them, and a QLabel announces every text to the accessibility
// layer as it is built, which cost more than the rest of a screen. This one
// is read by assistive technology as static text (or a heading) only when
// asked, through AccessibleFactory.
class TextLabel : public QWidget
{
    Q_OBJECT

public:
    TextLabel(const QString &text, const QFont &font, Palette::Role role,
              QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    QFont textFont() const { return m_font; }
    Palette::Role role() const { return m_role; }
    void setRole(Palette::Role role);
    void setOpacity(qreal opacity);
    bool wordWrap() const { return m_wordWrap; }
    // Wraps over as many lines as it needs; never cut.
    void setWordWrap(bool wrap);
    Qt::Alignment alignment() const { return m_alignment; }
    // Read by assistive technology as a heading rather than plain text.
    bool isHeading() const { return m_heading; }
    void setHeading(bool heading) { m_heading = heading; }
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_wordWrap; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QFont m_font;
    Palette::Role m_role;
    qreal m_opacity = 1.0;
    bool m_wordWrap = false;
    bool m_heading = false;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // Measuring text shapes it, which layouts would otherwise redo on every
    // pass; the text is measured when first asked, until it changes.
    const TextMeasure &measure() const;
    void forgetMeasures();
    mutable std::optional<TextMeasure> m_measure;
};

} // namespace vesk
