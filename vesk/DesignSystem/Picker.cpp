// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DesignSystem/Picker.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace vesk {

Picker::Picker(QWidget *parent) : QComboBox(parent)
{
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
