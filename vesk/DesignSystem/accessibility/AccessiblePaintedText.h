// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QAccessibleInterface>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace vesk {

class AccessibleKind;

// One text a widget paints itself (AccessibleKind::paintedTexts), read as a
// static text node under the widget's own node. It holds no copy of the
// text: it reads the widget's current one, so a changed figure is read anew.
class AccessiblePaintedText : public QAccessibleInterface
{
public:
    AccessiblePaintedText(QWidget *owner, const AccessibleKind *kind, int index);

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
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;

private:
    QPointer<QWidget> m_owner;
    const AccessibleKind *m_kind;
    int m_index;
};

// The painted-text nodes of one widget, made as they are first asked for
// and kept while the widget paints that many texts.
class PaintedTextNodes
{
public:
    PaintedTextNodes(QWidget *owner, const AccessibleKind *kind);
    ~PaintedTextNodes();
    PaintedTextNodes(const PaintedTextNodes &) = delete;
    PaintedTextNodes &operator=(const PaintedTextNodes &) = delete;

    int count() const;
    QAccessibleInterface *at(int index) const;
    int indexOf(const QAccessibleInterface *node) const;

private:
    QWidget *m_owner;
    const AccessibleKind *m_kind;
    mutable QList<QAccessible::Id> m_ids;
};

} // namespace vesk
