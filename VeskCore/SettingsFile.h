// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "IniDocument.h"
#include "PreferenceStore.h"

#include <QString>

namespace vesk {

// vesk's settings file, treated as outside input: whatever is in its place
// (a dotfile manager's link, a FIFO, a device, a directory, a file of any
// size or content) never hangs, bloats or breaks vesk, and vesk never
// replaces what is not a settings file of its own.
//
// - It looks before it reads: only a regular file, directly or through
//   links, is opened (without blocking, and checked again once open); it is
//   read only up to `sizeLimit`.
// - Anything else in its place, a larger file, or one that cannot be read is
//   left alone: the preferences start from their defaults, live in memory
//   for the session, and the file is never written. One warning on stderr
//   says why.
// - A write changes only vesk's own keys (IniDocument) and replaces the file
//   atomically: through a link, its target, so the link stays. It is made,
//   with its folder, when nothing is there.
class SettingsFile : public PreferenceStore
{
public:
    // Far above any real settings file (a few hundred bytes).
    static constexpr qint64 sizeLimit = 256 * 1024;

    enum class State
    {
        absent,  // nothing there yet: defaults, and the first write makes it
        loaded,  // a regular file, read
        refused, // left alone: defaults, never written
    };

    explicit SettingsFile(const QString &path);

    QString path() const { return m_path; }
    State state() const { return m_state; }
    // Why the file was refused, or why the last write failed; empty otherwise.
    QString problem() const { return m_problem; }

    QVariant value(QLatin1String key) const override;
    bool setValue(QLatin1String key, const QVariant &value) override;

private:
    void load();
    void refuse(const QString &reason);
    // The file the writes replace: the path, or the end of its links.
    QString target() const;

    QString m_path;
    State m_state = State::absent;
    QString m_problem;
    IniDocument m_document;
};

} // namespace vesk
