// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "IniDocument.h"
#include "PreferenceStore.h"
#include "RegularFile.h"

#include <QMap>
#include <QString>

#include <chrono>

namespace vesk {

// vesk's settings file, with the guarantees of a platform preferences store
// and treated as outside input.
//
// Start: only a regular file, directly or through links, is read (opened
// without blocking, checked again once open, at most `sizeLimit` bytes). Its
// folder (the links' end's folder) is held open from then on. Anything else
// in its place is left alone for the session: defaults, values in memory,
// one warning on stderr.
//
// Each write changes one key and nothing else:
// - under a lock file beside the settings file (as QSettings locks), the file
//   is read again as it is now, so changes made since by another vesk, by
//   hand or by another tool stay; a file deleted meanwhile is made again, a
//   file replaced meanwhile is read again;
// - only the key's own entry changes, every other byte stays;
// - the new file is written beside the old one in the folder held, flushed to
//   the disk, given the old one's owner, group and mode, and renamed over it:
//   it lands whole or not at all;
// - it never goes through anything that appeared after the start: a link is
//   followed only if it was there at the start and still leads to the same
//   file, the file itself is opened without following a link, and another
//   folder in the held one's place is not written;
// - a file nobody may write (mode a-w) and a result vesk would not read back
//   (over `sizeLimit`) are not written.
// A write that cannot land leaves the file as it was, says why on stderr
// (once per reason), and keeps the value in memory; the next write that
// lands takes it along.
class SettingsFile : public PreferenceStore
{
public:
    // Far above any real settings file (a few hundred bytes).
    static constexpr qint64 sizeLimit = 256 * 1024;
    // How long a write waits for another writer's lock, and for a file that
    // others keep replacing to hold still.
    static constexpr int lockTimeoutMs = 2000;
    // A temporary copy older than this was left by a writer that crashed.
    static constexpr std::chrono::seconds leftoverAge{60};

    enum class State
    {
        absent,  // nothing there yet: defaults, and the first write makes it
        loaded,  // a regular file, read
        refused, // left alone: defaults, never written
    };

    explicit SettingsFile(const QString &path);
    ~SettingsFile() override;
    Q_DISABLE_COPY_MOVE(SettingsFile)

    QString path() const { return m_path; }
    State state() const { return m_state; }
    // Why the file was refused, or why the last write failed; empty otherwise.
    QString problem() const { return m_problem; }

    QVariant value(QLatin1String key) const override;
    bool setValue(QLatin1String key, const QVariant &value) override;

private:
    void load();
    void refuse(const QString &reason);
    [[nodiscard]] bool save();
    [[nodiscard]] bool fail(const QString &reason);
    // Opens the folder (making it first when `make`), or checks that the
    // one held is still the one its path leads to.
    [[nodiscard]] bool holdFolder(bool make, QString &problem);

    QString m_path;
    QString m_linkTarget; // where the path led at the start, if it was a link
    QByteArray m_name;    // the file's name in its folder
    QString m_folderPath;
    int m_folder = -1; // the folder, held open once it exists
    State m_state = State::absent;
    QString m_problem;
    QString m_warned; // the last reason said on stderr
    IniDocument m_document;
    QMap<QString, QByteArray> m_unsaved; // chosen, not yet on the disk
};

} // namespace vesk
