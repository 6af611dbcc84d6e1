// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QList>
#include <QString>

// Finds the string literals of a C++ source file and what each one is passed
// to, so a test can tell interface texts that reach tr() from those that
// do not.
namespace SourceLiterals {

struct Literal
{
    int line = 0;
    QString text;
    // The innermost call the literal is an argument of ("tr",
    // "QStringLiteral", …), without its qualification; empty at top level.
    QString call;
    // The line, or the one above, carries an "untranslated:" comment.
    bool markedUntranslated = false;
};

// Adjacent literals ("a" "b") come back as one. Comments, character
// literals, digit separators and preprocessor lines are skipped.
QList<Literal> scan(const QString &source);

// Whether a literal reads like words a person would see, as opposed to an
// identifier, a key, a path, a file name or a format of digits and symbols.
bool looksLikeText(const QString &text);

// The calls whose literals go to translators, or only to the log or the
// compiler.
bool isTranslatedOrLogged(const QString &call);

// The literals of `source` that read like words but neither reach a
// translation call nor say why they need not.
QList<Literal> untranslatedTexts(const QString &source);

} // namespace SourceLiterals
