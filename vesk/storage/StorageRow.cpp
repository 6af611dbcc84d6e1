// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "StorageRow.h"

#include "DesignSystem/FocusRing.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/Palette.h"

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

void StorageRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(isDown() ? 0.7 : 1.0);
    const QRectF area(rect());
    const QColor ink = Palette::ink();
    const QColor secondary = Palette::secondary();

    Icons::paint(
        painter,
        QRectF(area.right() - chevron, area.center().y() - chevron / 2.0, chevron, chevron),
        "chevron.right"_symbol, m_compact ? ink : secondary);
    qreal right = area.right() - chevron - spacing;

    if (m_compact) {
        const QFont font = Fonts::ui(12);
        const QFontMetricsF metrics(font);
        painter.setFont(font);
        Icons::paint(painter, QRectF(0, area.center().y() - 7, 14, 14), m_content.symbol,
                     Palette::accent());
        painter.setPen(ink);
        painter.drawText(QRectF(right - compactSizeColumn, 0, compactSizeColumn, height()),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextForceLeftToRight,
                         m_content.trailing);
        right -= compactSizeColumn + 8;
        const qreal kindWidth = metrics.horizontalAdvance(m_content.trailingNote);
        painter.setPen(secondary);
        painter.drawText(QRectF(right - kindWidth, 0, kindWidth, height()),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextForceLeftToRight,
                         m_content.trailingNote);
        right -= kindWidth + 8;
        const qreal left = compactSymbolColumn + 6;
        painter.setPen(ink);
        painter.drawText(QRectF(left, 0, qMax(0.0, right - left), height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight,
                         metrics.elidedText(m_content.title, Qt::ElideRight, right - left));
    } else {
        const QFont title = Fonts::ui(13, QFont::Medium);
        const QFont small = Fonts::ui(10);
        const QFontMetricsF titleMetrics(title);
        const QFontMetricsF smallMetrics(small);
        const qreal blockHeight = titleMetrics.height() + 5 + smallMetrics.height();
        const qreal top = (height() - blockHeight) / 2;
        const qreal lower = top + titleMetrics.height() + 5;

        Icons::paint(painter, QRectF(6, area.center().y() - 10, 20, 20), m_content.symbol,
                     Palette::accent());
        const qreal trailingWidth = qMax(titleMetrics.horizontalAdvance(m_content.trailing),
                                         smallMetrics.horizontalAdvance(m_content.trailingNote));
        painter.setFont(title);
        painter.setPen(ink);
        painter.drawText(QRectF(right - trailingWidth, top, trailingWidth, titleMetrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextForceLeftToRight,
                         m_content.trailing);
        painter.setFont(small);
        painter.setPen(secondary);
        painter.drawText(QRectF(right - trailingWidth, lower, trailingWidth, smallMetrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextForceLeftToRight,
                         m_content.trailingNote);
        right -= trailingWidth + spacing;

        const qreal left = symbolColumn + spacing;
        const qreal width = qMax(0.0, right - left);
        painter.setFont(title);
        painter.setPen(ink);
        painter.drawText(QRectF(left, top, width, titleMetrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight,
                         titleMetrics.elidedText(m_content.title, Qt::ElideRight, width));
        painter.setFont(small);
        painter.setPen(secondary);
        painter.drawText(QRectF(left, lower, width, smallMetrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight,
                         smallMetrics.elidedText(m_content.subtitle, Qt::ElideMiddle, width));
    }

    FocusRing::paintIfVisible(painter, *this, area, 6);
}

} // namespace vesk
