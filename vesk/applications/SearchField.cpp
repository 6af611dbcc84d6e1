// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SearchField.h"

#include "DesignSystem/accessibility/Announcer.h"

#include <QKeyEvent>
#include <QToolButton>

namespace vesk {

SearchField::SearchField(const QString &placeholder, QWidget *parent) : QLineEdit(parent)
{
    setPlaceholderText(placeholder);
    setAccessibleName(placeholder);
    setClearButtonEnabled(true);
    // Qt's clear button is a tool button of its own, unnamed.
    for (QToolButton *clear : findChildren<QToolButton *>())
        clear->setAccessibleName(tr("Esborra la cerca"));
}

void SearchField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        !text().isEmpty()) {
        clear();
        Announcer::announce(this, tr("Cerca esborrada"));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vesk
