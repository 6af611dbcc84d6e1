// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace vesk::RegularFile {

namespace {

enum class Reason
{
    linkInPlace,
    cannotOpen,
    cannotRead,
    notRegular,
    replacedWhileOpened,
    folderNotWritable,
    cannotWrite,
    cannotKeepPermissions,
    replacedWhileWritten,
    cannotReplace,
};

QString text(Reason reason)
{
    switch (reason) {
    case Reason::linkInPlace: // untranslated: stderr
        return QStringLiteral("a link took its place");
    case Reason::cannotOpen: // untranslated: stderr
        return QStringLiteral("it cannot be opened");
    case Reason::cannotRead: // untranslated: stderr
        return QStringLiteral("it cannot be read");
    case Reason::notRegular: // untranslated: stderr
        return QStringLiteral("it is not a regular file (a FIFO, socket or device)");
    case Reason::replacedWhileOpened: // untranslated: stderr
        return QStringLiteral("another file took its place while it was opened");
    case Reason::folderNotWritable: // untranslated: stderr
        return QStringLiteral("its folder cannot be written");
    case Reason::cannotWrite: // untranslated: stderr
        return QStringLiteral("it cannot be written");
    case Reason::cannotKeepPermissions: // untranslated: stderr
        return QStringLiteral("its permissions cannot be kept");
    case Reason::replacedWhileWritten: // untranslated: stderr
        return QStringLiteral("something else took its place while it was written");
    case Reason::cannotReplace: // untranslated: stderr
        return QStringLiteral("it cannot be replaced");
    }
    return {};
}

#ifdef Q_OS_UNIX

// A reason with the system's own words for the error.
QString because(Reason reason, int error)
{
    return text(reason) + QStringLiteral(" (") + qt_error_string(error) + u')';
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
    bool close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0;
    }

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

// A new file beside `path` that nobody else can have opened.
int createBeside(const QString &path, mode_t mode, QString &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + QStringLiteral(".%1").arg(QRandomGenerator::global()->generate(), 8, 16,
                                                QLatin1Char('0'));
        const int fd = ::open(QFile::encodeName(name).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

void syncFolderOf(const QString &path)
{
    // Makes the rename itself durable; not every file system can.
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

#endif

} // namespace

QString tooLarge(qint64 limit)
{
    // untranslated: stderr
    return QStringLiteral("it is larger than %1 kB").arg(limit / 1024);
}

#ifdef Q_OS_UNIX

Look look(const QString &path)
{
    struct stat status
    {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return fromStatus(status);
}

std::optional<QByteArray> read(const QString &path, qint64 limit, const Look *expected,
                               Look &opened, QString &problem)
{
    const Descriptor fd(::open(QFile::encodeName(path).constData(),
                               O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0) {
        problem = errno == ELOOP ? text(Reason::linkInPlace) : because(Reason::cannotOpen, errno);
        return std::nullopt;
    }
    struct stat status
    {};
    if (::fstat(fd.get(), &status) != 0) {
        problem = because(Reason::cannotRead, errno);
        return std::nullopt;
    }
    opened = fromStatus(status);
    if (opened.kind != Look::Kind::file) {
        problem = text(Reason::notRegular);
        return std::nullopt;
    }
    if (expected && !opened.sameFile(*expected)) {
        problem = text(Reason::replacedWhileOpened);
        return std::nullopt;
    }
    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            problem = because(Reason::cannotRead, errno);
            return std::nullopt;
        }
        if (got == 0)
            return bytes;
        bytes.append(buffer, got);
        if (bytes.size() > limit) {
            problem = tooLarge(limit);
            return std::nullopt;
        }
    }
}

Outcome replace(const QString &path, const QByteArray &bytes, const Look &previous,
                QString &problem)
{
    const bool exists = previous.kind == Look::Kind::file;
    QString temporary;
    // An existing file's new copy stays private until it has the old one's
    // owner and mode; a new file gets the usual mode less the umask.
    Descriptor fd(createBeside(path, exists ? 0600 : 0666, temporary));
    if (fd.get() < 0) {
        problem = because(Reason::folderNotWritable, errno);
        return Outcome::failed;
    }
    const QByteArray name = QFile::encodeName(temporary);
    const auto abandon = [&](Reason what, int error) {
        ::unlink(name.constData());
        problem = because(what, error);
        return Outcome::failed;
    };
    if (!writeAll(fd.get(), bytes))
        return abandon(Reason::cannotWrite, errno);
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
            return abandon(Reason::cannotKeepPermissions, errno);
    }
    if (::fsync(fd.get()) != 0)
        return abandon(Reason::cannotWrite, errno);
    if (!fd.close())
        return abandon(Reason::cannotWrite, errno);

    // The place must still hold what the new bytes were made from.
    const Look now = look(path);
    if (exists ? !now.sameFile(previous) : now.kind != Look::Kind::nothing) {
        ::unlink(name.constData());
        problem = text(Reason::replacedWhileWritten);
        return Outcome::changedMeanwhile;
    }
    const QByteArray target = QFile::encodeName(path);
    if (!exists) {
        // A link fails where anything appeared since the look above; where
        // the file system has no hard links, a rename does.
        if (::link(name.constData(), target.constData()) == 0) {
            ::unlink(name.constData());
            syncFolderOf(path);
            return Outcome::replaced;
        }
        if (errno == EEXIST) {
            ::unlink(name.constData());
            problem = text(Reason::replacedWhileWritten);
            return Outcome::changedMeanwhile;
        }
    }
    if (::rename(name.constData(), target.constData()) != 0)
        return abandon(Reason::cannotReplace, errno);
    syncFolderOf(path);
    return Outcome::replaced;
}

#else

// Elsewhere the platform's own store is used; this keeps the file store
// working with the guarantees QSaveFile gives.
Look look(const QString &path)
{
    const QFileInfo info(path);
    Look look;
    if (info.isSymLink())
        look.kind = Look::Kind::link;
    else if (info.isDir())
        look.kind = Look::Kind::directory;
    else if (info.isFile())
        look.kind = Look::Kind::file;
    else if (info.exists())
        look.kind = Look::Kind::other;
    look.size = info.size();
    return look;
}

std::optional<QByteArray> read(const QString &path, qint64 limit, const Look *, Look &opened,
                               QString &problem)
{
    opened = look(path);
    QFile file(path);
    if (opened.kind != Look::Kind::file || !file.open(QIODevice::ReadOnly)) {
        problem = text(Reason::cannotOpen);
        return std::nullopt;
    }
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        problem = tooLarge(limit);
        return std::nullopt;
    }
    return bytes;
}

Outcome replace(const QString &path, const QByteArray &bytes, const Look &, QString &problem)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        problem = text(Reason::cannotWrite);
        return Outcome::failed;
    }
    return Outcome::replaced;
}

#endif

} // namespace vesk::RegularFile
