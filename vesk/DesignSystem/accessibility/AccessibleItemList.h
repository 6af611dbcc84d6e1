// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "AccessiblePaintedText.h"

#include <QAccessibleInterface>
#include <QPointer>

namespace vesk {

// The items a widget draws (AccessibleKind::items, a chart's points), as a
// list of their own under the widget's node: a screen reader then counts an
// item among the items, not among the axis labels beside them.
class AccessibleItemList : public QAccessibleInterface
{
public:
    AccessibleItemList(QWidget *owner, const AccessibleKind *kind);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override { return m_items.at(index); }
    int childCount() const override { return m_items.count(); }
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override;

private:
    QPointer<QWidget> m_owner;
    PaintedTextNodes m_items;
};

} // namespace vesk
