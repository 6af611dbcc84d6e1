// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QLocale>
#include <QString>

#include <functional>

QT_BEGIN_NAMESPACE
class QTranslator;
QT_END_NAMESPACE

namespace vesk {

class VeskApp;

// What main() does: sets up the application (style, fonts, the user's
// settings store), makes the VeskApp and shows its main window. `shown` is
// called right after the window is shown; the start-up benchmark and the
// accessibility test's host use it.
// `stage`, when given, is told the name of each step of the start-up as it
// ends (the benchmark's --startup-profile).
int launch(int argc, char *argv[], const std::function<void(VeskApp &)> &shown = {},
           const std::function<void(const char *)> &stage = {});

// The user's settings file off macOS, where the platform's INI file would be
// (~/.config/vesk/vesk.conf on Linux).
QString settingsPath();

// The look every vesk process starts with: the Fusion style, the bundled
// faces and the interface font. Returns whether the platform's own palette,
// read just before, is a dark one (see SystemAppearance).
bool prepareApplication();

// Loads vesk's embedded catalog for `locale` (Catalan, the language vesk
// speaks, unless a translator asks for another) into `translator`.
bool loadCatalog(QTranslator &translator, const QLocale &locale = QLocale(QLocale::Catalan));

} // namespace vesk
