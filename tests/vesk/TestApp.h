// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "VeskCore/SettingsFile.h"
#include "shell/Launcher.h"
#include "shell/VeskApp.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

// The application objects over a settings file of their own, as a person
// would get them at start-up.
class TestApp
{
public:
    // `platformDark`: what the platform's palette said at start-up.
    explicit TestApp(const QByteArray &ini = {}, bool platformDark = false)
    {
        const QString path = m_dir.filePath(QStringLiteral("vesk.conf"));
        if (!ini.isEmpty()) {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(ini);
        }
        m_store = std::make_unique<vesk::SettingsFile>(path);
        m_app = std::make_unique<vesk::VeskApp>(*m_store, platformDark);
    }

    vesk::VeskApp &operator*() { return *m_app; }
    vesk::VeskApp *operator->() { return m_app.get(); }
    QString settingsPath() const { return m_store->path(); }
    QByteArray settingsText() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Style and fonts as main() sets them.
    static void prepareApplication() { vesk::prepareApplication(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<vesk::SettingsFile> m_store;
    std::unique_ptr<vesk::VeskApp> m_app;
};
