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

QList<TextRun> StageList::textRuns() const
{
    const qreal line = qMax<qreal>(symbolSize, QFontMetricsF(nameFont()).height());
    const QFont statusFont = Fonts::ui(m_statusPixels);
    const QFontMetricsF status(statusFont);
    QList<TextRun> runs;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const qreal y = qreal(i) * (line + rowSpacing);
        const qreal statusWidth = status.horizontalAdvance(m_rows.at(i).status);
        runs << TextRun{.text = m_rows.at(i).name,
                        .rect = QRectF(symbolSize + symbolGap, y,
                                       width() - symbolSize - symbolGap - statusWidth, line),
                        .font = nameFont()}
             << TextRun{.text = m_rows.at(i).status,
                        .rect = QRectF(width() - statusWidth, y, statusWidth, line),
                        .font = statusFont,
                        .role = Palette::Role::secondary,
                        .alignment = Qt::AlignRight | Qt::AlignVCenter};
    }
    return runs;
}

QList<AccessibleKind::PaintedText> StageList::paintedTexts() const
{
    return TextRun::heardTexts(textRuns());
}

void StageList::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal line = qMax<qreal>(symbolSize, QFontMetricsF(nameFont()).height());
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const qreal y = qreal(i) * (line + rowSpacing);
        Icons::paint(painter, QRectF(0, y + (line - symbolSize) / 2, symbolSize, symbolSize),
                     m_rows.at(i).symbol, Palette::color(m_rows.at(i).symbolRole));
    }
    for (const TextRun &run : textRuns())
        run.paint(painter);
}

} // namespace vesk
