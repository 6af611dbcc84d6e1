// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/text/TextLabel.h"
#include <QAbstractButton>
#include <QTest>
#include <QWidget>

// Finds what a person would see: a visible widget of type T with this text.
template <typename T> T *findVisible(QWidget *root, const QString &text)
{
    for (T *widget : root->findChildren<T *>()) {
        if (widget->text() == text && widget->isVisibleTo(root) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

inline bool hasVisibleLabel(QWidget *root, const QString &text)
{
    return findVisible<vesk::TextLabel>(root, text) != nullptr;
}

inline bool hasVisibleLabelContaining(QWidget *root, const QString &part)
{
    for (vesk::TextLabel *label : root->findChildren<vesk::TextLabel *>()) {
        if (label->text().contains(part) && label->isVisible())
            return true;
    }
    return false;
}

// Clicks the visible button with this text; false when there is none.
inline bool clickButton(QWidget *root, const QString &text)
{
    QAbstractButton *button = findVisible<QAbstractButton>(root, text);
    if (!button || !button->isEnabled())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}
