// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessiblePaintedText.h"

#include "AccessibleKind.h"

namespace vesk {

namespace {
QList<AccessibleKind::PaintedText> partsOf(const AccessibleKind *kind,
                                           AccessiblePaintedText::Part part)
{
    return part == AccessiblePaintedText::Part::item ? kind->items() : kind->paintedTexts();
}
} // namespace

AccessiblePaintedText::AccessiblePaintedText(QWidget *owner, const AccessibleKind *kind, Part part,
                                             int index, QAccessibleInterface *parent)
    : m_owner(owner), m_kind(kind), m_part(part), m_index(index), m_parent(parent)
{}

AccessibleKind::PaintedText AccessiblePaintedText::shown() const
{
    return partsOf(m_kind, m_part).value(m_index);
}

bool AccessiblePaintedText::isValid() const
{
    return m_owner && m_index < partsOf(m_kind, m_part).size();
}

QAccessible::Role AccessiblePaintedText::role() const
{
    return m_part == Part::item ? QAccessible::ListItem : QAccessible::StaticText;
}

QWindow *AccessiblePaintedText::window() const
{
    return m_owner ? m_owner->window()->windowHandle() : nullptr;
}

QAccessibleInterface *AccessiblePaintedText::parent() const
{
    if (!m_owner)
        return nullptr;
    return m_parent ? m_parent : QAccessible::queryAccessibleInterface(m_owner);
}

QString AccessiblePaintedText::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !m_owner)
        return {};
    return shown().text;
}

QRect AccessiblePaintedText::rect() const
{
    if (!m_owner)
        return {};
    const QRect local = shown().rect;
    return QRect(m_owner->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessiblePaintedText::state() const
{
    QAccessible::State s;
    s.invisible = !m_owner || !m_owner->isVisible();
    s.readOnly = true;
    return s;
}

PaintedTextNodes::PaintedTextNodes(QWidget *owner, const AccessibleKind *kind,
                                   AccessiblePaintedText::Part part, QAccessibleInterface *parent)
    : m_owner(owner), m_kind(kind), m_part(part), m_parent(parent)
{}

PaintedTextNodes::~PaintedTextNodes()
{
    for (QAccessible::Id id : std::as_const(m_ids))
        QAccessible::deleteAccessibleInterface(id);
}

int PaintedTextNodes::count() const
{
    return int(partsOf(m_kind, m_part).size());
}

QAccessibleInterface *PaintedTextNodes::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    while (m_ids.size() <= index) {
        auto *node =
            new AccessiblePaintedText(m_owner, m_kind, m_part, int(m_ids.size()), m_parent);
        m_ids << QAccessible::registerAccessibleInterface(node);
    }
    return QAccessible::accessibleInterface(m_ids.at(index));
}

int PaintedTextNodes::indexOf(const QAccessibleInterface *node) const
{
    for (int i = 0; i < m_ids.size() && i < count(); ++i) {
        if (QAccessible::accessibleInterface(m_ids.at(i)) == node)
            return i;
    }
    return -1;
}

} // namespace vesk
