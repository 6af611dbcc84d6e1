// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// Lists the string literals of C++ sources that read like words a person
// would see but neither reach tr() (or the QT_TRANSLATE_NOOP family) nor say
// why not with an "untranslated:" comment on their line or the line above.
//
//   vesk-literal-check vesk VeskCore            # folders are searched for *.cpp and *.h
//   vesk-literal-check vesk/HomeView.cpp
//
// Exit status: 0 when every such literal is translatable, 1 when some are
// not (each printed as file:line: "text"), 2 when a path cannot be read.

#include "SourceLiterals.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

QStringList sourcesUnder(const QString &path)
{
    if (QFileInfo(path).isFile())
        return {path};
    QStringList files;
    QDirIterator it(path, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList paths = app.arguments().mid(1);
    if (paths.isEmpty()) {
        std::fprintf(stderr, "usage: vesk-literal-check PATH...\n");
        return 2;
    }
    int files = 0;
    int problems = 0;
    for (const QString &path : paths) {
        const QStringList sources = sourcesUnder(path);
        if (sources.isEmpty()) {
            std::fprintf(stderr, "vesk-literal-check: no sources at %s\n", qPrintable(path));
            return 2;
        }
        for (const QString &source : sources) {
            QFile file(source);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "vesk-literal-check: cannot read %s\n", qPrintable(source));
                return 2;
            }
            ++files;
            const QString text = QString::fromUtf8(file.readAll());
            for (const SourceLiterals::Literal &literal : SourceLiterals::untranslatedTexts(text)) {
                std::printf("%s:%d: \"%s\"\n", qPrintable(source), literal.line,
                            qPrintable(literal.text));
                ++problems;
            }
        }
    }
    std::printf("%d file(s) read, %d literal(s) not translatable\n", files, problems);
    return problems == 0 ? 0 : 1;
}
