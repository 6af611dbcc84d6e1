// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Models.h"

#include "CheckedMath.h"

#include <QCoreApplication>

namespace vesk {

// The raw values are marked for the translation tools under one context, so the
// application can show each title through tr() while the core keeps the exact
// Catalan text as the stored form.

QString rawValue(Section value)
{
    switch (value) {
    case Section::home:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Section", "Inici"));
    case Section::cleanup:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Section", "Neteja"));
    case Section::storage:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Section", "Espai"));
    case Section::applications:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Section", "Aplicacions"));
    case Section::performance:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Section", "Rendiment"));
    case Section::privacy:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Section", "Privacitat"));
    case Section::history:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Section", "Historial"));
    }
    return {};
}

QString rawValue(Risk value)
{
    switch (value) {
    case Risk::low:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Risk", "Baix risc"));
    case Risk::review:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Risk", "Cal revisar"));
    case Risk::protected_:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Risk", "Protegit"));
    }
    return {};
}

QString rawValue(AppSort value)
{
    switch (value) {
    case AppSort::size:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::AppSort", "Mida"));
    case AppSort::name:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::AppSort", "Nom"));
    case AppSort::date:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::AppSort", "Data d’instal·lació"));
    }
    return {};
}

QString rawValue(AppFilter value)
{
    switch (value) {
    case AppFilter::all:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::AppFilter", "Totes"));
    case AppFilter::unused:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::AppFilter", "Per revisar"));
    case AppFilter::remnants:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::AppFilter", "Possibles restes"));
    }
    return {};
}

QString rawValue(StorageMode value)
{
    switch (value) {
    case StorageMode::mosaic:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::StorageMode", "Mosaic"));
    case StorageMode::large:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::StorageMode", "Fitxers grans"));
    case StorageMode::old:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::StorageMode", "Fitxers antics"));
    case StorageMode::duplicates:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::StorageMode", "Duplicats"));
    }
    return {};
}

QString rawValue(Appearance value)
{
    switch (value) {
    case Appearance::system:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Appearance", "Sistema"));
    case Appearance::light:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Appearance", "Clar"));
    case Appearance::dark:
        return QStringLiteral(QT_TRANSLATE_NOOP("vesk::Appearance", "Fosc"));
    }
    return {};
}

QString symbol(Section value)
{
    switch (value) {
    case Section::home:
        return QStringLiteral("square.grid.2x2");
    case Section::cleanup:
        return QStringLiteral("sparkles");
    case Section::storage:
        return QStringLiteral("square.split.2x2");
    case Section::applications:
        return QStringLiteral("app.dashed");
    case Section::performance:
        return QStringLiteral("waveform.path.ecg");
    case Section::privacy:
        return QStringLiteral("lock.shield");
    case Section::history:
        return QStringLiteral("clock.arrow.circlepath");
    }
    return {};
}

namespace {
void appendDescendants(const StorageNode &node, QList<StorageNode> &out)
{
    for (const StorageNode &child : node.children) {
        out.append(child);
        appendDescendants(child, out);
    }
}
} // namespace

QList<StorageNode> StorageNode::descendants() const
{
    QList<StorageNode> result;
    appendDescendants(*this, result);
    return result;
}

qint64 DemoApplication::totalBytes() const
{
    return saturatingAdd(bytes, dataBytes);
}

QString StorageNode::noAccessKind()
{
    return QCoreApplication::translate("vesk::StorageNode", "Sense accés");
}

QString HistoryEntry::completedResult()
{
    return QCoreApplication::translate("vesk::HistoryEntry", "Simulació completada");
}

QString HistoryEntry::cancelledResult()
{
    return QCoreApplication::translate("vesk::HistoryEntry", "Cancel·lada");
}

} // namespace vesk
