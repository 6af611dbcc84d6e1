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

QList<AccessibleKind::PaintedText> StorageRow::paintedTexts() const
{
    const Placement at = placement();
    QList<PaintedText> texts;
    // In reading order: the line under the title, then the trailing texts.
    if (!m_compact && !m_content.subtitle.isEmpty())
        texts << PaintedText{m_content.subtitle, at.subtitle.toAlignedRect()};
    if (m_compact && !m_content.trailingNote.isEmpty())
        texts << PaintedText{m_content.trailingNote, at.trailingNote.toAlignedRect()};
    if (!m_content.trailing.isEmpty())
        texts << PaintedText{m_content.trailing, at.trailing.toAlignedRect()};
    if (!m_compact && !m_content.trailingNote.isEmpty())
        texts << PaintedText{m_content.trailingNote, at.trailingNote.toAlignedRect()};
    return texts;
}

void StorageRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(isDown() ? 0.7 : 1.0);
    const QRectF area(rect());
    const QColor ink = Palette::ink();
    const QColor secondary = Palette::secondary();
    const Placement at = placement();
    const auto draw = [&painter](const QRectF &box, Qt::Alignment side, const QString &text) {
        painter.drawText(box, side | Qt::AlignVCenter | Qt::TextForceLeftToRight, text);
    };

    Icons::paint(
        painter,
        QRectF(area.right() - chevron, area.center().y() - chevron / 2.0, chevron, chevron),
        "chevron.right"_symbol, m_compact ? ink : secondary);

    if (m_compact) {
        const QFont font = Fonts::ui(12);
        painter.setFont(font);
        Icons::paint(painter, QRectF(0, area.center().y() - 7, 14, 14), m_content.symbol,
                     Palette::accent());
        painter.setPen(ink);
        draw(at.trailing, Qt::AlignRight, m_content.trailing);
        painter.setPen(secondary);
        draw(at.trailingNote, Qt::AlignRight, m_content.trailingNote);
        painter.setPen(ink);
        draw(at.title, Qt::AlignLeft,
             QFontMetricsF(font).elidedText(m_content.title, Qt::ElideRight, at.title.width()));
    } else {
        const QFont title = Fonts::ui(13, QFont::Medium);
        const QFont small = Fonts::ui(10);
        Icons::paint(painter, QRectF(6, area.center().y() - 10, 20, 20), m_content.symbol,
                     Palette::accent());
        painter.setFont(title);
        painter.setPen(ink);
        draw(at.trailing, Qt::AlignRight, m_content.trailing);
        draw(at.title, Qt::AlignLeft,
             QFontMetricsF(title).elidedText(m_content.title, Qt::ElideRight, at.title.width()));
        painter.setFont(small);
        painter.setPen(secondary);
        draw(at.trailingNote, Qt::AlignRight, m_content.trailingNote);
        draw(at.subtitle, Qt::AlignLeft,
             QFontMetricsF(small).elidedText(m_content.subtitle, Qt::ElideMiddle,
                                             at.subtitle.width()));
    }

    FocusRing::paintIfVisible(painter, *this, area, 6);
}

} // namespace vesk
