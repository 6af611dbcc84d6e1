// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "AccessibleKind.h"

#include <QAccessibleInterface>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace vesk {

// One text a widget paints itself (AccessibleKind::paintedTexts), read as a
// static text node under the widget's own node, or one of the items it
// draws (AccessibleKind::items), read as a list item. It holds no copy of
// the text: it reads the widget's current one, so a changed figure is read
// anew.
class AccessiblePaintedText : public QAccessibleInterface
{
public:
    enum class Part
    {
        text,
        item,
    };

    // `parent` is the node it is read under; the owner's own when null.
    AccessiblePaintedText(QWidget *owner, const AccessibleKind *kind, Part part, int index,
                          QAccessibleInterface *parent = nullptr);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    AccessibleKind::PaintedText shown() const;

    QPointer<QWidget> m_owner;
    const AccessibleKind *m_kind;
    Part m_part;
    int m_index;
    QAccessibleInterface *m_parent;
};

// The painted-text (or item) nodes of one widget, made as they are first
// asked for and kept while the widget paints that many.
class PaintedTextNodes
{
public:
    PaintedTextNodes(QWidget *owner, const AccessibleKind *kind,
                     AccessiblePaintedText::Part part = AccessiblePaintedText::Part::text,
                     QAccessibleInterface *parent = nullptr);
    ~PaintedTextNodes();
    PaintedTextNodes(const PaintedTextNodes &) = delete;
    PaintedTextNodes &operator=(const PaintedTextNodes &) = delete;

    int count() const;
    QAccessibleInterface *at(int index) const;
    int indexOf(const QAccessibleInterface *node) const;

private:
    QWidget *m_owner;
    const AccessibleKind *m_kind;
    AccessiblePaintedText::Part m_part;
    QAccessibleInterface *m_parent;
    mutable QList<QAccessible::Id> m_ids;
};

} // namespace vesk
