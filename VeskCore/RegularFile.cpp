// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "RegularFile.h"

#include <QRandomGenerator>

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vesk::RegularFile {

namespace {

// A reason with the system's own words for the error. The reasons are for
// stderr, so untranslated.
QString because(const char *reason, int error)
{
    return QLatin1String(reason) + QStringLiteral(" (") + qt_error_string(error) + u')';
}

Look fromStatus(const struct stat &status)
{
    Look look;
    if (S_ISREG(status.st_mode))
        look.kind = Look::Kind::file;
    else if (S_ISLNK(status.st_mode))
        look.kind = Look::Kind::link;
    else if (S_ISDIR(status.st_mode))
        look.kind = Look::Kind::directory;
    else
        look.kind = Look::Kind::other;
    look.device = quint64(status.st_dev);
    look.inode = quint64(status.st_ino);
    look.size = qint64(status.st_size);
    look.owner = uint(status.st_uid);
    look.group = uint(status.st_gid);
    look.mode = uint(status.st_mode & 07777);
    return look;
}

// Closes a descriptor on every way out.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    // Closes now and says whether the last buffered data made it.
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            if (wrote == 0)
                errno = EIO;
            return false;
        }
        done += wrote;
    }
    return true;
}

constexpr int randomDigits = 8;

// The name of a new file beside `name`: "vesk.conf.1f2e3d4c".
QByteArray temporaryName(const QByteArray &name)
{
    return name + '.' +
           QByteArray::number(QRandomGenerator::system()->generate(), 16)
               .rightJustified(randomDigits, '0');
}

bool isTemporaryName(const QByteArray &entry, const QByteArray &name)
{
    if (entry.size() != name.size() + 1 + randomDigits || !entry.startsWith(name) ||
        entry.at(name.size()) != '.')
        return false;
    const QByteArray digits = entry.last(randomDigits);
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// A new file beside `name` that nobody else can have opened.
int createBeside(int folder, const QByteArray &name, mode_t mode, QByteArray &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName(name);
        const int fd = ::openat(folder, temporary.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

Look look(int folder, const QByteArray &name)
{
    struct stat status
    {};
    if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return {};
    return fromStatus(status);
}

QString refusal(Look::Kind kind)
{
    switch (kind) {
    case Look::Kind::directory:
        // untranslated: stderr
        return QStringLiteral("it is a directory");
    case Look::Kind::other:
        // untranslated: stderr
        return QStringLiteral("it is not a regular file (a FIFO, socket or device)");
    case Look::Kind::link:
        // untranslated: stderr
        return QStringLiteral("a link took its place");
    case Look::Kind::nothing:
        // untranslated: stderr
        return QStringLiteral("it is a link to nothing");
    case Look::Kind::file:
        break;
    }
    return {};
}

QString tooLarge(qint64 limit)
{
    // untranslated: stderr
    return QStringLiteral("it is larger than %1 kB").arg(limit / 1024);
}

Outcome read(int folder, const QByteArray &name, qint64 limit, Look &file, QByteArray &bytes,
             QString &problem)
{
    const Descriptor fd(::openat(folder, name.constData(),
                                 O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0) {
        // Gone, or a link, since the look: the caller looks again.
        if (errno == ENOENT || errno == ELOOP)
            return Outcome::changedMeanwhile;
        // untranslated: stderr
        problem = because("it cannot be opened", errno);
        return Outcome::failed;
    }
    struct stat status
    {};
    if (::fstat(fd.get(), &status) != 0) {
        // untranslated: stderr
        problem = because("it cannot be read", errno);
        return Outcome::failed;
    }
    const Look opened = fromStatus(status);
    if (!opened.sameFile(file))
        return Outcome::changedMeanwhile;
    file = opened;
    bytes.clear();
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            // untranslated: stderr
            problem = because("it cannot be read", errno);
            return Outcome::failed;
        }
        if (got == 0)
            return Outcome::done;
        bytes.append(buffer, got);
        if (bytes.size() > limit) {
            problem = tooLarge(limit);
            return Outcome::failed;
        }
    }
}

Outcome replace(int folder, const QByteArray &name, const QByteArray &bytes, const Look &previous,
                QString &problem)
{
    const bool exists = previous.kind == Look::Kind::file;
    QByteArray temporary;
    // An existing file's new copy stays private until it has the old one's
    // owner and mode; a new file gets the usual mode less the umask.
    Descriptor fd(createBeside(folder, name, exists ? 0600 : 0666, temporary));
    if (fd.get() < 0) {
        // untranslated: stderr
        problem = because("its folder cannot be written", errno);
        return Outcome::failed;
    }
    const auto abandon = [&](const char *reason, int error) {
        ::unlinkat(folder, temporary.constData(), 0);
        problem = because(reason, error);
        return Outcome::failed;
    };
    if (!writeAll(fd.get(), bytes))
        // untranslated: stderr
        return abandon("it cannot be written", errno);
    if (exists) {
        struct stat mine
        {};
        ::fstat(fd.get(), &mine);
        // Only the superuser may give a file away; anyone may keep a group
        // they belong to. A new owner is a nicety, the mode is not.
        if (mine.st_uid != previous.owner || mine.st_gid != previous.group) {
            if (::fchown(fd.get(), previous.owner, previous.group) != 0)
                (void)::fchown(fd.get(), uid_t(-1), previous.group);
        }
        if (::fchmod(fd.get(), mode_t(previous.mode)) != 0)
            // untranslated: stderr
            return abandon("its permissions cannot be kept", errno);
        // Access lists and extended attributes are not copied: like the
        // platform's own atomic save, a rename leaves them behind, and a
        // settings file in a user's folder has none worth the code.
    }
    if (::fsync(fd.get()) != 0 || !fd.close())
        // untranslated: stderr
        return abandon("it cannot be written", errno);

    // The place must still hold what the new bytes were made from.
    const Look now = look(folder, name);
    if (exists ? !now.sameFile(previous) : now.kind != Look::Kind::nothing) {
        ::unlinkat(folder, temporary.constData(), 0);
        return Outcome::changedMeanwhile;
    }
    if (!exists) {
        // A link fails where anything appeared since the look above; where
        // the file system has no hard links, a rename does.
        if (::linkat(folder, temporary.constData(), folder, name.constData(), 0) == 0) {
            ::unlinkat(folder, temporary.constData(), 0);
            ::fsync(folder);
            return Outcome::done;
        }
        if (errno == EEXIST) {
            ::unlinkat(folder, temporary.constData(), 0);
            return Outcome::changedMeanwhile;
        }
    }
    if (::renameat(folder, temporary.constData(), folder, name.constData()) != 0)
        // untranslated: stderr
        return abandon("it cannot be replaced", errno);
    // Makes the rename itself durable; not every file system can.
    ::fsync(folder);
    return Outcome::done;
}

void removeLeftovers(int folder, const QByteArray &name, std::chrono::seconds age)
{
    const int copy = ::fcntl(folder, F_DUPFD_CLOEXEC, 0); // closedir() closes it
    DIR *entries = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!entries) {
        if (copy >= 0)
            ::close(copy);
        return;
    }
    const time_t before = ::time(nullptr) - time_t(age.count());
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray entryName(entry->d_name);
        struct stat status
        {};
        if (isTemporaryName(entryName, name) &&
            ::fstatat(folder, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_mtime < before)
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
}

} // namespace vesk::RegularFile
