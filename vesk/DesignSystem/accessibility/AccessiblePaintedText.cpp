// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DesignSystem/accessibility/AccessiblePaintedText.h"

#include "DesignSystem/accessibility/AccessibleKind.h"

namespace vesk {

AccessiblePaintedText::AccessiblePaintedText(QWidget *owner, const AccessibleKind *kind, int index)
    : m_owner(owner), m_kind(kind), m_index(index)
{}

bool AccessiblePaintedText::isValid() const
{
    return m_owner && m_index < m_kind->paintedTexts().size();
}

QWindow *AccessiblePaintedText::window() const
{
    return m_owner ? m_owner->window()->windowHandle() : nullptr;
}

QAccessibleInterface *AccessiblePaintedText::parent() const
{
    return m_owner ? QAccessible::queryAccessibleInterface(m_owner) : nullptr;
}

QString AccessiblePaintedText::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !m_owner)
        return {};
    return m_kind->paintedTexts().value(m_index).text;
}

QRect AccessiblePaintedText::rect() const
{
    if (!m_owner)
        return {};
    const QRect local = m_kind->paintedTexts().value(m_index).rect;
    return QRect(m_owner->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessiblePaintedText::state() const
{
    QAccessible::State s;
    s.invisible = !m_owner || !m_owner->isVisible();
    s.readOnly = true;
    return s;
}

PaintedTextNodes::PaintedTextNodes(QWidget *owner, const AccessibleKind *kind)
    : m_owner(owner), m_kind(kind)
{}

PaintedTextNodes::~PaintedTextNodes()
{
    for (QAccessible::Id id : std::as_const(m_ids))
        QAccessible::deleteAccessibleInterface(id);
}

int PaintedTextNodes::count() const
{
    return int(m_kind->paintedTexts().size());
}

QAccessibleInterface *PaintedTextNodes::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    while (m_ids.size() <= index) {
        auto *node = new AccessiblePaintedText(m_owner, m_kind, int(m_ids.size()));
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
