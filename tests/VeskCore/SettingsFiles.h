// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QVariantMap>

// Reading and writing settings files around the store under test.
namespace SettingsFiles {

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Everything the platform's reader reads in the file at `path`, which this
// process must not have read before (QSettings caches what it read).
inline QVariantMap platformReading(const QString &path)
{
    QSettings settings(path, QSettings::IniFormat);
    QVariantMap values;
    for (const QString &key : settings.allKeys()) {
        // A key such as "/appearance" (from "[]") cannot be asked for: the
        // question is read as "appearance".
        if (!key.isEmpty() && !key.startsWith(u'/') && !key.endsWith(u'/') &&
            !key.contains(QStringLiteral("//")))
            values.insert(key, settings.value(key));
    }
    return values;
}

} // namespace SettingsFiles
