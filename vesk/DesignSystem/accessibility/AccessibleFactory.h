// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

class QWidget;

// The accessible interfaces of vesk's widgets, one class per kind of widget
// (button, text, separator, gauge, decoration, group, window), installed
// through one factory keyed by class, as Qt's own widgets get theirs.
namespace vesk::AccessibleFactory {

// Installs the factory; safe to call more than once.
void install();

// Tells assistive technology that the text a widget shows has changed, as
// Qt's own labels do: a name change, or a description change.
void notifyNameChanged(QWidget *widget);
void notifyDescriptionChanged(QWidget *widget);
// Tells it that text `index` of those the widget paints itself
// (AccessibleKind::paintedTexts) now reads otherwise.
void notifyPaintedTextChanged(QWidget *widget, int index);
// Tells it that the widget paints `count` texts where it painted `before`.
void notifyPaintedTextCount(QWidget *widget, int before, int count);
// Tells it that the widget's items (AccessibleKind::items) are others now.
void notifyItemsChanged(QWidget *widget);
// Moves a screen reader to the widget's current item, as a list moves it to
// its current row, when the widget has the focus.
void notifyCurrentItem(QWidget *widget);

} // namespace vesk::AccessibleFactory
