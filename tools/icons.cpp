// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// Writes vesk's application icon as a hicolor icon theme tree: a scalable
// SVG and PNGs at the usual sizes, all drawn by the code that draws the icon
// in the running application.
//
//   vesk-icons --id cat.vesk.Vesk --out build/icons
//   -> build/icons/hicolor/scalable/apps/cat.vesk.Vesk.svg
//      build/icons/hicolor/48x48/apps/cat.vesk.Vesk.png, ...
//   vesk-icons --icns build/vesk.icns
//   -> the macOS bundle's icon, PNGs from 16 to 1024 pixels

#include "IcnsFile.h"
#include "shell/AppIconEngine.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cstdio>

namespace {

bool writeSvg(const QString &path, const QString &id)
{
    const int side = static_cast<int>(vesk::AppIconEngine::designSide);
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(side, side));
    generator.setViewBox(QRect(0, 0, side, side));
    generator.setTitle(QStringLiteral("vesk"));
    generator.setDescription(id);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    vesk::AppIconEngine::paint(painter, QRectF(0, 0, side, side));
    if (!painter.end())
        return false;

    // The generator states the size in millimetres; icon loaders take the
    // intrinsic size in pixels from these two attributes.
    QString svg = QString::fromUtf8(buffer.data());
    static const QRegularExpression millimetres(QStringLiteral(R"((width|height)="[0-9.]+mm")"));
    svg.replace(millimetres, QStringLiteral("\\1=\"%1\"").arg(side));
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(svg.toUtf8()) >= 0 && file.commit();
}

bool fail(const QString &message)
{
    std::fprintf(stderr, "vesk-icons: %s\n", qPrintable(message));
    return false;
}

bool writeTree(const QString &root, const QString &id)
{
    const QString scalable = root + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(scalable))
        return fail(QStringLiteral("cannot create %1").arg(scalable));
    if (!writeSvg(scalable + QLatin1Char('/') + id + QStringLiteral(".svg"), id))
        return fail(QStringLiteral("cannot write the SVG icon"));
    for (const int side : vesk::AppIconEngine::pixelSides) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(side);
        const QString file = folder + QLatin1Char('/') + id + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !vesk::AppIconEngine::image(side).save(file))
            return fail(QStringLiteral("cannot write %1").arg(file));
    }
    return true;
}

bool writeIcns(const QString &path)
{
    QList<std::pair<QByteArray, QByteArray>> entries;
    for (const vesk::icns::Slot &slot : vesk::icns::applicationSlots()) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!vesk::AppIconEngine::image(slot.side).save(&png, "PNG"))
            return fail(QStringLiteral("cannot draw the %1 px icon").arg(slot.side));
        entries.append({slot.type, png.data()});
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(vesk::icns::container(entries)) < 0 ||
        !file.commit())
        return fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes vesk's icon as a hicolor tree."));
    parser.addHelpOption();
    const QCommandLineOption id(QStringLiteral("id"), QStringLiteral("Icon name."),
                                QStringLiteral("name"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Output folder."),
                                 QStringLiteral("folder"));
    const QCommandLineOption icns(QStringLiteral("icns"),
                                  QStringLiteral("Write the macOS icon file instead."),
                                  QStringLiteral("file"));
    parser.addOptions({id, out, icns});
    parser.process(app);
    if (parser.isSet(icns))
        return writeIcns(parser.value(icns)) ? 0 : 1;
    if (!parser.isSet(id) || !parser.isSet(out)) {
        std::fprintf(stderr, "vesk-icons: --id and --out are required\n");
        return 2;
    }
    return writeTree(parser.value(out), parser.value(id)) ? 0 : 1;
}
