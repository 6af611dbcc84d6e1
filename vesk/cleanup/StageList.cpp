// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "StageList.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"

#include "DesignSystem/Icons.h"
#include "DesignSystem/text/Fonts.h"

#include <QPainter>

namespace vesk {

namespace {
constexpr int rowSpacing = 12;
constexpr int symbolSize = 15;
constexpr int symbolGap = 10;
QFont nameFont()
{
    return Fonts::ui(13);
}
} // namespace

StageList::StageList(int statusPixels, QWidget *parent)
    : QWidget(parent), m_statusPixels(statusPixels)
{
    AccessibleFactory::install();
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StageList::setRows(const QList<Row> &rows)
{
    const bool resized = rows.size() != m_rows.size();
    const QList<Row> before = std::exchange(m_rows, rows);
    if (resized) {
        updateGeometry();
    } else {
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (rows.at(i).status != before.at(i).status)
                AccessibleFactory::notifyPaintedTextChanged(this, int(2 * i + 1));
        }
    }
    update();
}

QSize StageList::sizeHint() const
{
    const auto count = int(m_rows.size());
    const int line = qMax(symbolSize, QFontMetrics(nameFont()).height());
    return {400, count * line + qMax(0, count - 1) * rowSpacing};
}

QList<AccessibleKind::PaintedText> StageList::paintedTexts() const
{
    const int line = qMax(symbolSize, QFontMetrics(nameFont()).height());
    const QFontMetrics status(Fonts::ui(m_statusPixels));
    QList<PaintedText> texts;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const int y = int(i) * (line + rowSpacing);
        const int statusWidth = status.horizontalAdvance(m_rows.at(i).status);
        texts << PaintedText{m_rows.at(i).name,
                             QRect(symbolSize + symbolGap, y,
                                   width() - symbolSize - symbolGap - statusWidth, line)}
              << PaintedText{m_rows.at(i).status,
                             QRect(width() - statusWidth, y, statusWidth, line)};
    }
    return texts;
}

void StageList::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont statusFont = Fonts::ui(m_statusPixels);
    const qreal line = qMax<qreal>(symbolSize, QFontMetricsF(nameFont()).height());
    qreal y = 0;
    for (const Row &row : std::as_const(m_rows)) {
        Icons::paint(painter, QRectF(0, y + (line - symbolSize) / 2, symbolSize, symbolSize),
                     row.symbol, Palette::color(row.symbolRole));
        painter.setPen(Palette::ink());
        painter.setFont(nameFont());
        painter.drawText(QRectF(symbolSize + symbolGap, y, width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight, row.name);
        painter.setPen(Palette::secondary());
        painter.setFont(statusFont);
        painter.drawText(QRectF(0, y, width(), line),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextForceLeftToRight, row.status);
        y += line + rowSpacing;
    }
}

} // namespace vesk
