// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "IniDocument.h"
#include "PreferenceStore.h"
#include "RegularFile.h"

#include <QMap>
#include <QString>

namespace vesk {

// vesk's settings file, with the guarantees of a platform preferences store
// and treated as outside input.
//
// Start: only a regular file, directly or through links, is read (opened
// without blocking, checked again once open, at most `sizeLimit` bytes).
// Anything else in its place is left alone for the session: defaults, values
// in memory, one warning on stderr.
//
// Each write changes one key and nothing else:
// - under a lock file beside the settings file (as QSettings locks), the file
//   is read again as it is now, so changes made since by another vesk, by
//   hand or by another tool stay; a file deleted meanwhile is made again;
// - only the key's own entry changes, every other byte stays;
// - the new file is written beside the old one, flushed to the disk, given
//   the old one's owner, group and mode, and renamed over it: it lands whole
//   or not at all;
// - it never goes through anything that appeared after the start: a link is
//   followed only if it was there at the start and still leads to the same
//   file, and the file itself is opened without following a link.
// A write that cannot land leaves the file as it was and no temporary file,
// says why on stderr (once per reason), and keeps the value in memory; the
// next write that lands takes it along.
class SettingsFile : public PreferenceStore
{
public:
    // Far above any real settings file (a few hundred bytes).
    static constexpr qint64 sizeLimit = 256 * 1024;
    // How long a write waits for another writer's lock.
    static constexpr int lockTimeoutMs = 2000;

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
    // Where a write goes now, and what is there.
    struct Place
    {
        QString path;
        RegularFile::Look look; // what is there: a regular file, or nothing
    };

    void load();
    void refuse(const QString &reason);
    bool save();
    std::optional<Place> placeNow(QString &problem) const;
    bool fail(const QString &reason);

    QString m_path;
    QString m_linkTarget; // where the path led at the start, if it was a link
    State m_state = State::absent;
    QString m_problem;
    QString m_warned; // the last reason said on stderr
    IniDocument m_document;
    QMap<QString, QByteArray> m_unsaved; // chosen, not yet on the disk
};

} // namespace vesk
