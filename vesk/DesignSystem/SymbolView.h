// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Palette.h"

#include "DesignSystem/accessibility/AccessibleKind.h"

#include <QWidget>

namespace vesk {

// One symbol drawn at a fixed size in a palette colour resolved at paint time.
// Decorative: it sits beside a text that says the same thing.
class SymbolView : public QWidget, public AccessibleKind
{
    Q_OBJECT
    Q_INTERFACES(vesk::AccessibleKind)

public:
    SymbolView(const QString &symbol, qreal pointSize, Palette::Role role,
               QWidget *parent = nullptr);

    QAccessible::Role accessibleRole() const override { return QAccessible::Graphic; }
    QString symbol() const { return m_symbol; }
    void setSymbol(const QString &symbol);
    void setRole(Palette::Role role);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    qreal m_size;
    Palette::Role m_role;
};

} // namespace vesk
