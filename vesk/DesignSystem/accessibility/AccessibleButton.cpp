// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessibleButton.h"

#include "AccessibleKind.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <QWidget>

namespace vesk {

namespace {
QString withoutMnemonic(QString text)
{
    // "&&" is a literal ampersand; a single "&" marks the mnemonic.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}
} // namespace

AccessibleButton::AccessibleButton(QAbstractButton *button)
    : QAccessibleWidget(button, roleOf(button))
{
    if (const auto *kind =
            qobject_cast<const AccessibleKind *>(static_cast<const QObject *>(button)))
        m_painted = std::make_unique<PaintedTextNodes>(button, kind);
}

int AccessibleButton::childCount() const
{
    return QAccessibleWidget::childCount() + (m_painted ? m_painted->count() : 0);
}

QAccessibleInterface *AccessibleButton::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets)
        return QAccessibleWidget::child(index);
    return m_painted ? m_painted->at(index - widgets) : nullptr;
}

int AccessibleButton::indexOfChild(const QAccessibleInterface *child) const
{
    if (const int painted = m_painted ? m_painted->indexOf(child) : -1; painted >= 0)
        return QAccessibleWidget::childCount() + painted;
    return QAccessibleWidget::indexOfChild(child);
}

QAccessible::Role AccessibleButton::role() const
{
    return roleOf(button());
}

QAbstractButton *AccessibleButton::button() const
{
    return static_cast<QAbstractButton *>(widget());
}

QAccessible::Role AccessibleButton::roleOf(const QAbstractButton *button)
{
    if (const auto *kind =
            qobject_cast<const AccessibleKind *>(static_cast<const QObject *>(button)))
        return kind->accessibleRole();
    if (qobject_cast<const QCheckBox *>(button))
        return QAccessible::CheckBox;
    if (qobject_cast<const QRadioButton *>(button))
        return QAccessible::RadioButton;
    return QAccessible::Button;
}

QString AccessibleButton::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? withoutMnemonic(button()->text()) : name;
    }
    return QAccessibleWidget::text(t);
}

bool AccessibleButton::usable() const
{
    const auto *kind = qobject_cast<const AccessibleKind *>(static_cast<const QObject *>(button()));
    return widget()->isEnabled() && !(kind && kind->readsAsUnavailable());
}

QAccessible::State AccessibleButton::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.disabled = !usable();
    const QAbstractButton *b = button();
    s.pressed = b->isDown();
    if (b->isCheckable()) {
        if (role() == QAccessible::PageTab) {
            s.selectable = true;
            s.selected = b->isChecked();
        } else {
            s.checkable = true;
            s.checked = b->isChecked();
        }
    }
    if (const auto *push = qobject_cast<const QPushButton *>(b))
        s.defaultButton = push->isDefault();
    return s;
}

QStringList AccessibleButton::actionNames() const
{
    QStringList names;
    if (usable()) {
        if (button()->isCheckable())
            names << toggleAction();
        names << pressAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void AccessibleButton::doAction(const QString &actionName)
{
    if (actionName == pressAction() || actionName == toggleAction()) {
        if (usable())
            button()->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList AccessibleButton::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction() || actionName == toggleAction()) {
        const QKeySequence shortcut = button()->shortcut();
        if (!shortcut.isEmpty())
            return {shortcut.toString(QKeySequence::NativeText)};
    }
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

} // namespace vesk
