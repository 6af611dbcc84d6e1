// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading and replacing one small regular file that is outside input: what
// is in its place is looked at without following a link at its end, opened
// without blocking, and replaced only by a complete new file renamed over
// it. Every failure says why, for a line on stderr (in English, as stderr is
// for whoever looks after the machine).
namespace vesk::RegularFile {

// What a path names, looked at without following a link at its end.
struct Look
{
    enum class Kind
    {
        nothing,
        file,
        link,
        directory,
        other, // a FIFO, socket or device
    };
    Kind kind = Kind::nothing;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    uint owner = 0;
    uint group = 0;
    uint mode = 0; // permission bits

    bool sameFile(const Look &other) const
    {
        return kind == other.kind && device == other.device && inode == other.inode;
    }
};

Look look(const QString &path);

// Why a file larger than `limit` bytes is not read.
QString tooLarge(qint64 limit);

// The bytes of the regular file at `path`, at most `limit` of them; never
// through a link at its end, never blocking on a FIFO. When `expected` is
// given, the file opened must be that one. `opened` receives what was read.
std::optional<QByteArray> read(const QString &path, qint64 limit, const Look *expected,
                               Look &opened, QString &problem);

enum class Outcome
{
    replaced,
    changedMeanwhile, // something else took the path's place: nothing written
    failed,           // nothing written; `problem` says why
};

// Puts `bytes` at `path` whole or not at all: written to a new file beside it,
// flushed to the disk, given the owner, group and mode of `previous` (when
// the process may), then renamed over `previous`, or linked in place when
// `previous` is nothing. Fails without touching the path if the place no
// longer holds `previous`. No temporary file is left behind.
Outcome replace(const QString &path, const QByteArray &bytes, const Look &previous,
                QString &problem);

} // namespace vesk::RegularFile
