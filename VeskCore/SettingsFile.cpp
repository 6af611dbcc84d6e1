// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SettingsFile.h"

#include "RegularFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vesk {

using RegularFile::Look;

SettingsFile::SettingsFile(const QString &path) : m_path(QFileInfo(path).absoluteFilePath())
{
    load();
}

SettingsFile::~SettingsFile()
{
    if (m_folder >= 0)
        ::close(m_folder);
}

void SettingsFile::load()
{
    QString file = m_path;
    if (RegularFile::look(AT_FDCWD, QFile::encodeName(m_path)).kind == Look::Kind::link) {
        // A dotfile manager's link: followed to its end, which later writes
        // replace while the link stays.
        m_linkTarget = QFileInfo(m_path).canonicalFilePath();
        if (m_linkTarget.isEmpty())
            // untranslated: stderr
            return refuse(QStringLiteral("it is a link to nothing"));
        file = m_linkTarget;
    }
    const QFileInfo info(file);
    m_folderPath = info.absolutePath();
    m_name = QFile::encodeName(info.fileName());
    QString problem;
    if (!holdFolder(false, problem))
        return refuse(problem);
    if (m_folder < 0)
        return; // absent, with its folder

    // Another writer may rename a new copy into place at any moment.
    const QDeadlineTimer deadline(lockTimeoutMs);
    do {
        Look here = RegularFile::look(m_folder, m_name);
        if (here.kind == Look::Kind::nothing && m_linkTarget.isEmpty())
            return; // absent
        if (here.kind != Look::Kind::file)
            return refuse(RegularFile::refusal(here.kind));
        if (here.size > sizeLimit)
            return refuse(RegularFile::tooLarge(sizeLimit));
        QByteArray bytes;
        switch (RegularFile::read(m_folder, m_name, sizeLimit, here, bytes, problem)) {
        case RegularFile::Outcome::done:
            m_document = IniDocument::parse(bytes);
            m_state = State::loaded;
            return;
        case RegularFile::Outcome::changedMeanwhile:
            continue;
        case RegularFile::Outcome::failed:
            return refuse(problem);
        }
    } while (!deadline.hasExpired());
    // untranslated: stderr
    refuse(QStringLiteral("other programs kept replacing it while it was read"));
}

bool SettingsFile::holdFolder(bool make, QString &problem)
{
    const QByteArray folder = QFile::encodeName(m_folderPath);
    struct stat now
    {};
    if (::stat(folder.constData(), &now) != 0) {
        if (!make)
            return true; // nothing to hold yet
        // Never there, or deleted meanwhile: made (again), and held anew.
        if (!QDir().mkpath(m_folderPath) || ::stat(folder.constData(), &now) != 0) {
            // untranslated: stderr
            problem = QStringLiteral("its folder cannot be made");
            return false;
        }
        if (m_folder >= 0)
            ::close(std::exchange(m_folder, -1));
    }
    if (m_folder < 0) {
        m_folder = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_folder < 0) {
            // untranslated: stderr
            problem = QStringLiteral("its folder cannot be opened");
            return false;
        }
    }
    struct stat held
    {};
    if (::fstat(m_folder, &held) != 0 || held.st_dev != now.st_dev || held.st_ino != now.st_ino) {
        // untranslated: stderr
        problem = QStringLiteral("another folder took the place of its folder");
        return false;
    }
    return true;
}

void SettingsFile::refuse(const QString &reason)
{
    m_state = State::refused;
    m_problem = reason;
    m_warned = reason;
    qWarning("vesk: the settings file %s is left alone: %s. The preferences start from their "
             "defaults and last for this session only.",
             qPrintable(QDir::toNativeSeparators(m_path)), qPrintable(reason));
}

bool SettingsFile::fail(const QString &reason)
{
    m_problem = reason;
    if (reason != m_warned) {
        m_warned = reason;
        qWarning("vesk: the settings file %s was not changed: %s. The choice lasts for this "
                 "session only.",
                 qPrintable(QDir::toNativeSeparators(m_path)), qPrintable(reason));
    }
    return false;
}

QVariant SettingsFile::value(QLatin1String key) const
{
    const QString name(key);
    if (const auto unsaved = m_unsaved.constFind(name); unsaved != m_unsaved.constEnd())
        return QString::fromUtf8(*unsaved);
    return m_document.value(name);
}

bool SettingsFile::setValue(QLatin1String key, const QVariant &value)
{
    const QByteArray text = value.typeId() == QMetaType::Bool
                                ? QByteArray(value.toBool() ? "true" : "false")
                                : value.toString().toUtf8();
    if (!IniDocument::needsNoEscaping(text))
        return false; // vesk writes only plain words; anything else is a bug
    m_unsaved.insert(QString(key), text);
    if (m_state == State::refused || !save())
        return false;
    m_unsaved.clear();
    m_problem.clear();
    m_warned.clear();
    m_state = State::loaded;
    return true;
}

bool SettingsFile::save()
{
    QString problem;
    if (!holdFolder(true, problem))
        return fail(problem);
    // QLockFile opens whatever holds its path to read the holder's process
    // id, and would wait for good on a FIFO; anything but a file there is
    // never its lock.
    const QString lockPath = m_path + QStringLiteral(".lock");
    switch (RegularFile::look(AT_FDCWD, QFile::encodeName(lockPath)).kind) {
    case Look::Kind::nothing:
    case Look::Kind::file:
        break;
    case Look::Kind::link:
        return fail(QFileInfo::exists(lockPath)
                        // untranslated: stderr
                        ? QStringLiteral("its lock file cannot be made: a link is in its place")
                        // untranslated: stderr
                        : QStringLiteral("its lock file cannot be made: a link to nothing is in "
                                         "its place"));
    case Look::Kind::directory:
        // untranslated: stderr
        return fail(QStringLiteral("its lock file cannot be made: a directory is in its place"));
    case Look::Kind::other:
        return fail(QStringLiteral(
            // untranslated: stderr
            "its lock file cannot be made: a FIFO, socket or device is in its place"));
    }
    // The lock QSettings takes too, so that two writers never merge from the
    // same old file.
    QLockFile lock(lockPath);
    if (!lock.tryLock(lockTimeoutMs)) {
        return fail(lock.error() == QLockFile::LockFailedError
                        // untranslated: stderr
                        ? QStringLiteral("another program holds its lock")
                        // untranslated: stderr
                        : QStringLiteral("its lock file cannot be made"));
    }
    if (!m_linkTarget.isEmpty() && QFileInfo(m_path).canonicalFilePath() != m_linkTarget)
        // untranslated: stderr
        return fail(QStringLiteral("its link no longer leads to the file it led to"));
    RegularFile::removeLeftovers(m_folder, m_name, leftoverAge);

    // A change that lands between reading and replacing is not lost: the
    // merge starts again from it.
    const QDeadlineTimer deadline(lockTimeoutMs);
    do {
        Look here = RegularFile::look(m_folder, m_name);
        QByteArray now;
        if (here.kind == Look::Kind::file) {
            // How people pin a configuration; root's access() would allow it.
            if ((here.mode & 0222) == 0 || ::faccessat(m_folder, m_name.constData(), W_OK, 0) != 0)
                // untranslated: stderr
                return fail(QStringLiteral("it is read-only"));
            switch (RegularFile::read(m_folder, m_name, sizeLimit, here, now, problem)) {
            case RegularFile::Outcome::done:
                break;
            case RegularFile::Outcome::changedMeanwhile:
                continue;
            case RegularFile::Outcome::failed:
                return fail(problem);
            }
        } else if (here.kind != Look::Kind::nothing) {
            return fail(RegularFile::refusal(here.kind));
        }
        IniDocument document = IniDocument::parse(now);
        for (auto [key, chosen] : m_unsaved.asKeyValueRange()) {
            const std::optional<QByteArray> edited = document.withValue(key, chosen);
            if (!edited)
                return fail(QStringLiteral(
                    // untranslated: stderr
                    "it cannot take the change without changing another setting"));
            document = IniDocument::parse(*edited);
        }
        // Written, it would be refused at the next start.
        if (document.bytes().size() > sizeLimit)
            // untranslated: stderr
            return fail(QStringLiteral("the change would make it larger than %1 kB, more than "
                                       "vesk reads")
                            .arg(sizeLimit / 1024));
        switch (RegularFile::replace(m_folder, m_name, document.bytes(), here, problem)) {
        case RegularFile::Outcome::done:
            m_document = document;
            return true;
        case RegularFile::Outcome::changedMeanwhile:
            continue;
        case RegularFile::Outcome::failed:
            return fail(problem);
        }
    } while (!deadline.hasExpired());
    // untranslated: stderr
    return fail(QStringLiteral("other programs kept replacing it while it was written"));
}

} // namespace vesk
