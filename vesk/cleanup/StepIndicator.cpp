// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "StepIndicator.h"

#include "DesignSystem/Palette.h"
#include "DesignSystem/text/Fonts.h"

#include <QPainter>

namespace vesk {

namespace {
constexpr int circle = 25;
constexpr int labelGap = 6;
constexpr int connectorPadding = 16;
} // namespace

QStringList StepIndicator::stepNames()
{
    return {tr("Analitza"), tr("Entén"), tr("Revisa"), tr("Confirma")};
}

StepIndicator::StepIndicator(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCurrentStep(0);
}

void StepIndicator::setCurrentStep(int step)
{
    m_current = step;
    const QStringList names = stepNames();
    QStringList read;
    for (int i = 0; i < names.size(); ++i)
        read << QStringLiteral("%1 %2").arg(i + 1).arg(names.at(i));
    setAccessibleName(read.join(QStringLiteral(", ")));
    setAccessibleDescription(currentStepText());
    update();
}

QString StepIndicator::currentStepText() const
{
    const QStringList names = stepNames();
    return tr("Pas actual: %1 de %2, %3")
        .arg(m_current + 1)
        .arg(names.size())
        .arg(names.value(m_current));
}

QSize StepIndicator::sizeHint() const
{
    return {480, circle + labelGap + QFontMetrics(Fonts::ui(12, QFont::DemiBold)).height()};
}

void StepIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QStringList names = stepNames();
    const int count = int(names.size());
    const QFont number = Fonts::ui(11, QFont::DemiBold);
    const QFontMetrics regular(Fonts::ui(12));
    const QFontMetrics bold(Fonts::ui(12, QFont::DemiBold));

    // Each step takes the width of its name (at least the circle); the
    // connectors share what is left.
    QList<int> widths;
    int used = 0;
    for (const QString &name : names) {
        widths << qMax(circle, bold.horizontalAdvance(name));
        used += widths.last();
    }
    const qreal connector = qMax(0.0, (width() - used) / qreal(count - 1));
    qreal x = 0;
    for (int i = 0; i < count; ++i) {
        const bool reached = i <= m_current;
        const QColor colour = reached ? Palette::accent() : Palette::secondary();
        const QRectF dot(x + (widths.at(i) - circle) / 2.0, 0, circle, circle);
        painter.setPen(QPen(Palette::color(Palette::Role::secondary, 0.15), 1));
        painter.setBrush(reached ? Palette::wash() : Palette::card());
        painter.drawEllipse(dot);
        painter.setPen(colour);
        painter.setFont(number);
        painter.drawText(dot, Qt::AlignCenter | Qt::TextForceLeftToRight, QString::number(i + 1));
        painter.setFont(i == m_current ? Fonts::ui(12, QFont::DemiBold) : Fonts::ui(12));
        painter.drawText(QRectF(x - 20, circle + labelGap, widths.at(i) + 40, bold.height()),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextForceLeftToRight, names.at(i));
        x += widths.at(i);
        if (i + 1 < count) {
            const qreal left = x + connectorPadding;
            const qreal right = x + connector - connectorPadding;
            if (right > left)
                painter.fillRect(QRectF(left, circle / 2.0, right - left, 1),
                                 Palette::color(Palette::Role::secondary, 0.15));
            x += connector;
        }
    }
}

} // namespace vesk
