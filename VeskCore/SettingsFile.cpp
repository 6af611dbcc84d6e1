// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SettingsFile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vesk {

namespace {

enum class Problem
{
    danglingLink,
    directory,
    notRegular,
    tooLarge,
    cannotOpen,
    cannotRead,
    cannotMakeFolder,
    cannotWrite,
};

// Why the file is left alone, for the warning on stderr: for whoever looks
// after the machine, so in English like the rest of stderr.
QString reason(Problem problem)
{
    switch (problem) {
    case Problem::danglingLink:
        return QStringLiteral("it is a link to nothing"); // untranslated: stderr
    case Problem::directory:
        return QStringLiteral("it is a directory"); // untranslated: stderr
    case Problem::notRegular:
        // untranslated: stderr
        return QStringLiteral("it is not a regular file (a FIFO, socket or device)");
    case Problem::tooLarge:
        // untranslated: stderr
        return QStringLiteral("it is larger than %1 kB").arg(SettingsFile::sizeLimit / 1024);
    case Problem::cannotOpen:
        return QStringLiteral("it cannot be opened"); // untranslated: stderr
    case Problem::cannotRead:
        return QStringLiteral("it cannot be read"); // untranslated: stderr
    case Problem::cannotMakeFolder:
        return QStringLiteral("its folder cannot be made"); // untranslated: stderr
    case Problem::cannotWrite:
        return QStringLiteral("it cannot be written"); // untranslated: stderr
    }
    return {};
}

// What is at `path` once its links are followed, looked at without opening.
QString kindProblem(const QFileInfo &info)
{
    if (info.isSymLink() && !info.exists())
        return reason(Problem::danglingLink);
    if (info.isDir())
        return reason(Problem::directory);
    if (!info.isFile())
        return reason(Problem::notRegular);
    if (info.size() > SettingsFile::sizeLimit)
        return reason(Problem::tooLarge);
    return {};
}

// Reads a regular file of at most `limit` bytes; nothing if it is not one
// once open, is larger, or cannot be read.
std::optional<QByteArray> readRegular(const QString &path, qint64 limit, QString &problem)
{
#ifdef Q_OS_UNIX
    // Non-blocking, so that a FIFO swapped in after the look above cannot
    // hang the start; the type is checked again on what was opened.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        problem = reason(Problem::cannotOpen);
        return std::nullopt;
    }
    struct stat status
    {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        problem = reason(Problem::notRegular);
        return std::nullopt;
    }
    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            problem = reason(Problem::cannotRead);
            return std::nullopt;
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
        if (bytes.size() > limit) {
            ::close(fd);
            problem = reason(Problem::tooLarge);
            return std::nullopt;
        }
    }
    ::close(fd);
    return bytes;
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = reason(Problem::cannotOpen);
        return std::nullopt;
    }
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        problem = reason(Problem::tooLarge);
        return std::nullopt;
    }
    return bytes;
#endif
}

// A "@Variant(…)" value decoded as the platform's reader decodes it, kept
// only when it is a Boolean or a text (earlier versions of vesk read those);
// anything else is some other type, which never counts.
QVariant decoded(const QString &text)
{
    // untranslated: the INI format's own markers
    const QLatin1String variant("@Variant(");
    if (!text.startsWith(variant) || !text.endsWith(u')'))
        return QByteArray();
    // As the platform's reader does it: the closing parenthesis stays in the
    // stream (a value cut short reads it as its last byte).
    QByteArray bytes = text.mid(variant.size()).toLatin1();
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    QVariant value;
    stream >> value;
    if (value.typeId() == QMetaType::Bool || value.typeId() == QMetaType::QString)
        return value;
    return QByteArray();
}

} // namespace

SettingsFile::SettingsFile(const QString &path) : m_path(path)
{
    load();
}

void SettingsFile::load()
{
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink())
        return; // absent: the first write makes it
    if (const QString problem = kindProblem(info); !problem.isEmpty())
        return refuse(problem);
    QString problem;
    const std::optional<QByteArray> bytes = readRegular(m_path, sizeLimit, problem);
    if (!bytes)
        return refuse(problem);
    m_document = IniDocument::parse(*bytes);
    m_state = State::loaded;
}

void SettingsFile::refuse(const QString &reason)
{
    m_state = State::refused;
    m_problem = reason;
    // untranslated: a message for whoever reads stderr, not the interface
    qWarning("vesk: the settings file %s is left alone: %s. The preferences start from their "
             "defaults and last for this session only.",
             qPrintable(QDir::toNativeSeparators(m_path)), qPrintable(reason));
}

QString SettingsFile::target() const
{
    const QFileInfo info(m_path);
    if (info.isSymLink())
        return info.canonicalFilePath();
    return m_path;
}

QVariant SettingsFile::value(QLatin1String key) const
{
    const std::optional<IniValue> stored = m_document.value(QByteArrayView(key.data(), key.size()));
    if (!stored)
        return {};
    switch (stored->kind) {
    case IniValue::Kind::text:
        return stored->text;
    case IniValue::Kind::list:
        return QStringList();
    case IniValue::Kind::other:
        return decoded(stored->text);
    }
    return {};
}

bool SettingsFile::setValue(QLatin1String key, const QVariant &value)
{
    const QByteArray text = value.typeId() == QMetaType::Bool
                                ? QByteArray(value.toBool() ? "true" : "false")
                                : value.toString().toUtf8();
    if (!IniDocument::needsNoEscaping(text))
        return false; // vesk writes only plain words; anything else is a bug
    if (m_state == State::refused)
        return false;
    // Looked at again: what is there may have changed since the start.
    const QFileInfo now(m_path);
    if (now.exists() || now.isSymLink()) {
        if (const QString problem = kindProblem(now); !problem.isEmpty()) {
            m_problem = problem;
            return false;
        }
    }
    m_document.setValue(QByteArrayView(key.data(), key.size()), text);

    const QString file = target();
    if (!QFileInfo(file).absoluteDir().mkpath(QStringLiteral("."))) {
        m_problem = reason(Problem::cannotMakeFolder);
        return false;
    }
    QSaveFile save(file);
    save.setDirectWriteFallback(false);
    if (!save.open(QIODevice::WriteOnly)) {
        m_problem = reason(Problem::cannotWrite);
        return false;
    }
    if (QFile::exists(file))
        save.setPermissions(QFile::permissions(file));
    save.write(m_document.toBytes());
    if (!save.commit()) {
        m_problem = reason(Problem::cannotWrite);
        return false;
    }
    m_problem.clear();
    m_state = State::loaded;
    return true;
}

} // namespace vesk
