// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

// Reading and replacing one small regular file that is outside input, by its
// name in a folder held open (a descriptor, or AT_FDCWD for a path): what is
// in its place is looked at without following a link at its end, opened
// without blocking, and replaced only by a complete new file renamed over
// it. Every failure says why, for a line on stderr (in English, as stderr is
// for whoever looks after the machine).
namespace vesk::RegularFile {

// What a name is, looked at without following a link at its end.
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

[[nodiscard]] Look look(int folder, const QByteArray &name);

// Why a name of this kind is neither read nor written.
[[nodiscard]] QString refusal(Look::Kind kind);

// Why a file larger than `limit` bytes is not read.
[[nodiscard]] QString tooLarge(qint64 limit);

enum class Outcome
{
    done,
    changedMeanwhile, // another file took the name's place: nothing done
    failed,           // nothing done; `problem` says why
};

// Reads at most `limit` bytes of the regular file that a look found at
// `name`: never through a link, never blocking on a FIFO. Anything else
// there once opened is a change meanwhile. `file` becomes what was opened.
[[nodiscard]] Outcome read(int folder, const QByteArray &name, qint64 limit, Look &file,
                           QByteArray &bytes, QString &problem);

// Puts `bytes` at `name` whole or not at all: written to a new file beside
// it, flushed to the disk, given the owner, group and mode of `previous`
// (when the process may), then renamed over `previous`, or linked in place
// when `previous` is nothing. Does nothing if the place no longer holds
// `previous`. No temporary file is left behind, short of a crash.
[[nodiscard]] Outcome replace(int folder, const QByteArray &name, const QByteArray &bytes,
                              const Look &previous, QString &problem);

// Removes the temporary files that a crash in replace() left beside `name`,
// once older than `age`: younger ones may still be another writer's.
void removeLeftovers(int folder, const QByteArray &name, std::chrono::seconds age);

} // namespace vesk::RegularFile
