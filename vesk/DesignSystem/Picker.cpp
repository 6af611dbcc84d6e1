// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Picker.h"

#include "DesignSystem/accessibility/AccessibleFactory.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace vesk {

Picker::Picker(QWidget *parent) : QComboBox(parent)
{
    AccessibleFactory::install();
    view()->installEventFilter(this);
    // The list keeps its selection model for the picker's life: the items
    // are added to the picker's own model, never a new one.
    connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) { chooseSelected(selected); });
}

void Picker::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            showPopup();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

bool Picker::eventFilter(QObject *watched, QEvent *event)
{
    // Queued, to follow the list's own announcement of itself.
    if (watched == view() && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(this, &Picker::announceCurrentEntry, Qt::QueuedConnection);
    return QComboBox::eventFilter(watched, event);
}

void Picker::announceCurrentEntry()
{
    const QModelIndex current = view()->currentIndex();
    if (!QAccessible::isActive() || !view()->hasFocus() || !current.isValid())
        return;
    // A list's accessible children are its rows, in order.
    QAccessibleEvent focus(view(), QAccessible::Focus);
    focus.setChild(current.row());
    QAccessible::updateAccessibility(&focus);
}

void Picker::chooseSelected(const QItemSelection &selected)
{
    // The arrows and the pointer move the current entry and select it with
    // it; a screen reader selects an entry without making it current.
    const QModelIndexList entries = selected.indexes();
    if (entries.size() != 1 || entries.first() == view()->currentIndex())
        return;
    const int row = entries.first().row();
    setCurrentIndex(row);
    hidePopup();
    emit activated(row);
}

} // namespace vesk
