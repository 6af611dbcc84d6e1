// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessibleFactory.h"

#include "AccessibleButton.h"
#include "AccessibleDecoration.h"
#include "AccessibleGauge.h"
#include "AccessibleGroup.h"
#include "AccessibleKind.h"
#include "AccessiblePicker.h"
#include "AccessibleSeparator.h"
#include "AccessibleText.h"
#include "AccessibleWindow.h"
#include "DesignSystem/GaugeBar.h"
#include "DesignSystem/HorizontalRule.h"
#include "DesignSystem/Picker.h"
#include "DesignSystem/text/TextLabel.h"

#include <QAbstractButton>

#include <mutex>

#include <QWidget>

namespace vesk::AccessibleFactory {

namespace {

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    // Qt asks once per class of the object's hierarchy, most derived first;
    // answer that first question, so Qt's own factories never see ours.
    if (!object || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (auto *label = qobject_cast<TextLabel *>(object))
        return new AccessibleText(label);
    if (auto *gauge = qobject_cast<GaugeBar *>(object))
        return new AccessibleGauge(gauge);
    if (auto *picker = qobject_cast<Picker *>(object))
        return new AccessiblePicker(picker);
    if (qobject_cast<HorizontalRule *>(object))
        return new AccessibleSeparator(widget);
    // Every button clicks when a screen reader presses or toggles it, so
    // the mouse, the keyboard and the screen reader reach one handler.
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return new AccessibleButton(button);
    if (auto *kind = qobject_cast<AccessibleKind *>(object)) {
        switch (kind->accessibleRole()) {
        case QAccessible::Graphic:
            return new AccessibleDecoration(widget);
        case QAccessible::Window:
            return new AccessibleWindow(widget);
        default:
            return new AccessibleGroup(widget, kind);
        }
    }
    return nullptr;
}

} // namespace

void install()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(interfaceFor); });
}

void notifyNameChanged(QWidget *widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void notifyDescriptionChanged(QWidget *widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void notifyPaintedTextChanged(QWidget *widget, int index)
{
    if (!QAccessible::isActive())
        return;
    const auto *kind = qobject_cast<AccessibleKind *>(widget);
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
    if (!kind || !node)
        return;
    // The painted texts are the node's last children.
    const int first = node->childCount() - int(kind->paintedTexts().size());
    if (QAccessibleInterface *text = node->child(first + index)) {
        QAccessibleEvent event(text, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void notifyPaintedTextCount(QWidget *widget, int before, int count)
{
    if (!QAccessible::isActive() || before == count)
        return;
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
    if (!node)
        return;
    const int first = node->childCount() - count;
    // New texts are announced as created; the ones that went as gone, while
    // their nodes can still say who their parent was.
    for (int i = before; i < count; ++i) {
        if (QAccessibleInterface *text = node->child(first + i)) {
            QAccessibleEvent event(text, QAccessible::ObjectCreated);
            QAccessible::updateAccessibility(&event);
        }
    }
    if (count < before) {
        QAccessibleEvent event(widget, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
}

void notifyItemsChanged(QWidget *widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
    auto *group = dynamic_cast<AccessibleGroup *>(QAccessible::queryAccessibleInterface(widget));
    if (QAccessibleInterface *list = group ? group->itemList() : nullptr) {
        QAccessibleEvent items(list, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&items);
    }
}

void notifyCurrentItem(QWidget *widget)
{
    const auto *kind = qobject_cast<AccessibleKind *>(widget);
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
    if (!QAccessible::isActive() || !kind || !node || !widget->hasFocus())
        return;
    const int current = kind->currentItem();
    if (current < 0 || current >= kind->items().size())
        return;
    auto *group = dynamic_cast<AccessibleGroup *>(node);
    QAccessibleInterface *list = group ? group->itemList() : nullptr;
    if (QAccessibleInterface *item = list ? list->child(current) : nullptr) {
        QAccessibleEvent focus(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace vesk::AccessibleFactory
