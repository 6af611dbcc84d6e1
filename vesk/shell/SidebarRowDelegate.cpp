// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SidebarRowDelegate.h"

#include "DesignSystem/FocusRing.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/Palette.h"
#include "DesignSystem/text/Fonts.h"
#include "VeskCore/Models.h"

#include <QPainter>

namespace vesk {

SidebarRowDelegate::SidebarRowDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QSize SidebarRowDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return {180, rowHeight + rowGap};
}

void SidebarRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const bool hovered = option.state.testFlag(QStyle::State_MouseOver);
    const bool keyboardFocus = option.state.testFlag(QStyle::State_HasFocus) &&
                               option.state.testFlag(QStyle::State_KeyboardFocusChange);
    const QRectF row = QRectF(option.rect).adjusted(0, 0, 0, -rowGap);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    if (selected) {
        painter->setBrush(Palette::color(Palette::Role::sidebarSelection));
        painter->drawRoundedRect(row, 10, 10);
    } else if (hovered) {
        painter->setBrush(Palette::color(Palette::Role::white, 0.06));
        painter->drawRoundedRect(row, 10, 10);
    }
    if (keyboardFocus)
        FocusRing::paint(*painter, row, 10, Palette::mint());

    const QColor foreground =
        selected ? Palette::white() : Palette::color(Palette::Role::sidebarRowText);
    const auto section = Section(index.data(SectionRole).toInt());
    qreal x = row.left() + horizontalPadding;
    const QRectF symbolRect(x + 3, row.center().y() - 8, 16, 16);
    Icons::paint(*painter, symbolRect, symbol(section), foreground);
    x += 22 + 13;

    // Trailing accessories, right to left: the mint dot, then the spinner.
    qreal right = row.right() - horizontalPadding;
    if (selected) {
        painter->setBrush(Palette::mint());
        painter->drawEllipse(QRectF(right - 5, row.center().y() - 2.5, 5, 5));
        right -= 5 + 8;
    }
    if (index.data(BusyRole).toBool()) {
        const QRectF spinner(right - 12, row.center().y() - 6, 12, 12);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(Palette::color(Palette::Role::white, 0.25), 1.6));
        painter->drawEllipse(spinner);
        painter->setPen(QPen(foreground, 1.6, Qt::SolidLine, Qt::RoundCap));
        painter->drawArc(spinner, -m_spinnerAngle * 16, 100 * 16);
        painter->setPen(Qt::NoPen);
        right -= 12 + 8;
    }

    painter->setPen(foreground);
    title(index.data(Qt::DisplayRole).toString(), selected)
        .drawCentredLine(*painter, QRectF(x, row.top(), right - x, row.height()));
    painter->restore();
}

const TextMeasure &SidebarRowDelegate::title(const QString &text, bool selected) const
{
    const auto key = std::make_pair(text, selected);
    auto found = m_titles.find(key);
    if (found == m_titles.end())
        found =
            m_titles
                .try_emplace(key, text, Fonts::ui(13, selected ? QFont::DemiBold : QFont::Normal))
                .first;
    return found->second;
}

} // namespace vesk
