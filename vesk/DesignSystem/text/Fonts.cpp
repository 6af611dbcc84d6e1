// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

namespace vesk::Fonts {

namespace {
// The family the bundled Inter is registered under: the build gives its cut
// a name of its own, so that an Inter the system has installed (another
// version, every glyph) never replaces it. A build that embedded the font
// whole keeps the plain name.
QString interFamily()
{
#ifdef VESK_INTER_FAMILY
    return QStringLiteral(VESK_INTER_FAMILY);
#else
    // untranslated: a font family
    return QStringLiteral("Inter");
#endif
}
QString roundedFamily()
{
    // untranslated: a font family
    return QStringLiteral("Quicksand");
}

// Families in order of preference; Qt takes the first one installed. Asking
// the database whether a family exists costs a fontconfig substitution per
// call, which adds up over the many labels of a screen.
QFont make(const QStringList &families, qreal pixels, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(qMax(1, qRound(pixels)));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
} // namespace

void registerBundled()
{
    // The faces are compiled in as resources (see vesk/CMakeLists.txt); on
    // macOS none are, and the system face is used.
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString &name : fonts.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(name));
}

QFont ui(qreal pixels, QFont::Weight weight)
{
#ifdef Q_OS_MACOS
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(qMax(1, qRound(pixels)));
    font.setWeight(weight);
    return font;
#else
    return make({interFamily()}, pixels, weight);
#endif
}

QFont rounded(qreal pixels, QFont::Weight weight)
{
#ifdef Q_OS_MACOS
    return ui(pixels, weight);
#else
    // Quicksand has no semibold cut; its bold is the closest match.
    const QFont::Weight mapped = weight == QFont::DemiBold ? QFont::Bold : weight;
    return make({roundedFamily(), interFamily()}, pixels, mapped);
#endif
}

QFont tracked(QFont font, qreal pixels)
{
    font.setLetterSpacing(QFont::AbsoluteSpacing, pixels);
    return font;
}

} // namespace vesk::Fonts
