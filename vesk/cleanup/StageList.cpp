// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "StageList.h"

#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/Icons.h"

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
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StageList::setRows(const QList<Row> &rows)
{
    const bool resized = rows.size() != m_rows.size();
    m_rows = rows;
    QStringList read;
    for (const Row &row : rows)
        read << tr("%1: %2").arg(row.name, row.status);
    setAccessibleDescription(read.join(QStringLiteral(", ")));
    if (resized)
        updateGeometry();
    update();
}

QSize StageList::sizeHint() const
{
    const auto count = int(m_rows.size());
    const int line = qMax(symbolSize, QFontMetrics(nameFont()).height());
    return {400, count * line + qMax(0, count - 1) * rowSpacing};
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
