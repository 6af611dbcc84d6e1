// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "StorageRow.h"

#include "DesignSystem/FocusRing.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/text/Fonts.h"

#include <QPainter>

namespace vesk {

namespace {
constexpr int chevron = 9;
constexpr int compactSymbolColumn = 22;
constexpr int compactSizeColumn = 80;
constexpr int symbolColumn = 32;
constexpr int spacing = 14;
} // namespace

StorageRow::StorageRow(const Content &content, bool compact, QWidget *parent)
    : QAbstractButton(parent), m_content(content), m_compact(compact)
{
    setText(content.title);
    QStringList description{content.subtitle, content.trailingNote, content.trailing};
    description.removeAll(QString());
    setAccessibleDescription(description.join(QStringLiteral(", ")));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize StorageRow::sizeHint() const
{
    if (m_compact)
        return {400, QFontMetrics(Fonts::ui(12)).height() + 20};
    const int lines = QFontMetrics(Fonts::ui(13, QFont::Medium)).height() + 5 +
                      QFontMetrics(Fonts::ui(10)).height();
    return {400, qMax(lines, 24) + 12};
}

QSize StorageRow::minimumSizeHint() const
{
    return {200, sizeHint().height()};
}

StorageRow::Placement StorageRow::placement() const
{
    Placement at;
    const QRectF area(rect());
    qreal right = area.right() - chevron - spacing;
    if (m_compact) {
        const QFontMetricsF metrics(Fonts::ui(12));
        at.trailing = QRectF(right - compactSizeColumn, 0, compactSizeColumn, height());
        right -= compactSizeColumn + 8;
        const qreal kindWidth = metrics.horizontalAdvance(m_content.trailingNote);
        at.trailingNote = QRectF(right - kindWidth, 0, kindWidth, height());
        right -= kindWidth + 8;
        const qreal left = compactSymbolColumn + 6;
        at.title = QRectF(left, 0, qMax(0.0, right - left), height());
        return at;
    }
    const QFontMetricsF titleMetrics(Fonts::ui(13, QFont::Medium));
    const QFontMetricsF smallMetrics(Fonts::ui(10));
    const qreal blockHeight = titleMetrics.height() + 5 + smallMetrics.height();
    const qreal top = (height() - blockHeight) / 2;
    const qreal lower = top + titleMetrics.height() + 5;
    const qreal trailingWidth = qMax(titleMetrics.horizontalAdvance(m_content.trailing),
                                     smallMetrics.horizontalAdvance(m_content.trailingNote));
    at.trailing = QRectF(right - trailingWidth, top, trailingWidth, titleMetrics.height());
    at.trailingNote = QRectF(right - trailingWidth, lower, trailingWidth, smallMetrics.height());
    right -= trailingWidth + spacing;
    const qreal left = symbolColumn + spacing;
    const qreal width = qMax(0.0, right - left);
    at.title = QRectF(left, top, width, titleMetrics.height());
    at.subtitle = QRectF(left, lower, width, smallMetrics.height());
    return at;
}

QList<TextRun> StorageRow::textRuns() const
{
    const Placement at = placement();
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const QFont large = m_compact ? Fonts::ui(12) : Fonts::ui(13, QFont::Medium);
    const QFont small = m_compact ? Fonts::ui(12) : Fonts::ui(10);
    const TextRun title{.text = m_content.title,
                        .rect = at.title,
                        .font = large,
                        .alignment = left,
                        .elide = Qt::ElideRight,
                        .heard = false};
    const TextRun trailing{.text = m_content.trailing,
                           .rect = at.trailing,
                           .font = large,
                           .alignment = right,
                           .heard = !m_content.trailing.isEmpty()};
    const TextRun trailingNote{.text = m_content.trailingNote,
                               .rect = at.trailingNote,
                               .font = small,
                               .role = Palette::Role::secondary,
                               .alignment = right,
                               .heard = !m_content.trailingNote.isEmpty()};
    if (m_compact)
        return {title, trailingNote, trailing};
    const TextRun subtitle{.text = m_content.subtitle,
                           .rect = at.subtitle,
                           .font = small,
                           .role = Palette::Role::secondary,
                           .alignment = left,
                           .elide = Qt::ElideMiddle,
                           .heard = !m_content.subtitle.isEmpty()};
    return {title, subtitle, trailing, trailingNote};
}

QList<AccessibleKind::PaintedText> StorageRow::paintedTexts() const
{
    return TextRun::heardTexts(textRuns());
}

void StorageRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(isDown() ? 0.7 : 1.0);
    const QRectF area(rect());
    Icons::paint(
        painter,
        QRectF(area.right() - chevron, area.center().y() - chevron / 2.0, chevron, chevron),
        "chevron.right"_symbol, m_compact ? Palette::ink() : Palette::secondary());
    const QRectF symbol = m_compact ? QRectF(0, area.center().y() - 7, 14, 14)
                                    : QRectF(6, area.center().y() - 10, 20, 20);
    Icons::paint(painter, symbol, m_content.symbol, Palette::accent());
    for (const TextRun &run : textRuns())
        run.paint(painter);
    FocusRing::paintIfVisible(painter, *this, area, 6);
}

} // namespace vesk
