// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SettingsFile.h"

#include "RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace vesk {

using RegularFile::Look;

namespace {

// Why the file is left alone or not changed, for the warning on stderr: for
// whoever looks after the machine, so in English like the rest of stderr.
enum class Problem
{
    directory,
    notRegular,
    linkAppeared,
    danglingLink,
    linkRetargeted,
    cannotMakeFolder,
    lockHeld,
    cannotLock,
    cannotEdit,
};

QString text(Problem problem)
{
    switch (problem) {
    case Problem::directory: // untranslated: stderr
        return QStringLiteral("it is a directory");
    case Problem::notRegular: // untranslated: stderr
        return QStringLiteral("it is not a regular file (a FIFO, socket or device)");
    case Problem::linkAppeared: // untranslated: stderr
        return QStringLiteral("a link took its place");
    case Problem::danglingLink: // untranslated: stderr
        return QStringLiteral("it is a link to nothing");
    case Problem::linkRetargeted: // untranslated: stderr
        return QStringLiteral("its link no longer leads to the file it led to");
    case Problem::cannotMakeFolder: // untranslated: stderr
        return QStringLiteral("its folder cannot be made");
    case Problem::lockHeld: // untranslated: stderr
        return QStringLiteral("another program holds its lock");
    case Problem::cannotLock: // untranslated: stderr
        return QStringLiteral("its lock file cannot be made");
    case Problem::cannotEdit: // untranslated: stderr
        return QStringLiteral("it cannot take the change without changing another setting");
    }
    return {};
}

QString kindProblem(Look::Kind kind)
{
    switch (kind) {
    case Look::Kind::directory:
        return text(Problem::directory);
    case Look::Kind::other:
        return text(Problem::notRegular);
    case Look::Kind::link:
        return text(Problem::linkAppeared);
    case Look::Kind::nothing:
        return text(Problem::danglingLink);
    case Look::Kind::file:
        break;
    }
    return {};
}

} // namespace

SettingsFile::SettingsFile(const QString &path) : m_path(path)
{
    load();
}

void SettingsFile::load()
{
    const Look here = RegularFile::look(m_path);
    if (here.kind == Look::Kind::nothing)
        return; // absent: the first write makes it
    QString file = m_path;
    if (here.kind == Look::Kind::link) {
        // A dotfile manager's link: followed to its end, which later writes
        // replace while the link stays.
        m_linkTarget = QFileInfo(m_path).canonicalFilePath();
        if (m_linkTarget.isEmpty())
            return refuse(kindProblem(Look::Kind::nothing));
        file = m_linkTarget;
    }
    const Look end = RegularFile::look(file);
    if (end.kind != Look::Kind::file)
        return refuse(kindProblem(end.kind));
    if (end.size > sizeLimit)
        return refuse(RegularFile::tooLarge(sizeLimit));
    QString problem;
    Look opened;
    const std::optional<QByteArray> bytes =
        RegularFile::read(file, sizeLimit, &end, opened, problem);
    if (!bytes)
        return refuse(problem);
    m_document = IniDocument::parse(*bytes);
    m_state = State::loaded;
}

void SettingsFile::refuse(const QString &reason)
{
    m_state = State::refused;
    m_problem = reason;
    m_warned = reason;
    // untranslated: a message for whoever reads stderr, not the interface
    qWarning("vesk: the settings file %s is left alone: %s. The preferences start from their "
             "defaults and last for this session only.",
             qPrintable(QDir::toNativeSeparators(m_path)), qPrintable(reason));
}

bool SettingsFile::fail(const QString &reason)
{
    m_problem = reason;
    if (reason != m_warned) {
        m_warned = reason;
        // untranslated: a message for whoever reads stderr, not the interface
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

std::optional<SettingsFile::Place> SettingsFile::placeNow(QString &problem) const
{
    const Look here = RegularFile::look(m_path);
    switch (here.kind) {
    case Look::Kind::nothing:
    case Look::Kind::file:
        return Place{m_path, here};
    case Look::Kind::link: {
        if (m_linkTarget.isEmpty()) {
            problem = text(Problem::linkAppeared);
            return std::nullopt;
        }
        const Look end = RegularFile::look(m_linkTarget);
        if (QFileInfo(m_path).canonicalFilePath() != m_linkTarget || end.kind != Look::Kind::file) {
            problem = text(Problem::linkRetargeted);
            return std::nullopt;
        }
        return Place{m_linkTarget, end};
    }
    case Look::Kind::directory:
    case Look::Kind::other:
        problem = kindProblem(here.kind);
        return std::nullopt;
    }
    return std::nullopt;
}

bool SettingsFile::save()
{
    if (!QFileInfo(m_path).absoluteDir().mkpath(QStringLiteral(".")))
        return fail(text(Problem::cannotMakeFolder));
    // The lock QSettings takes too, so that two writers never merge from the
    // same old file.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(lockTimeoutMs)) {
        return fail(text(lock.error() == QLockFile::LockFailedError ? Problem::lockHeld
                                                                    : Problem::cannotLock));
    }
    QString problem;
    // A hand edit that lands between reading and replacing is not lost: the
    // merge starts again from it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::optional<Place> place = placeNow(problem);
        if (!place)
            return fail(problem);
        Look before;
        QByteArray now;
        if (place->look.kind == Look::Kind::file) {
            const std::optional<QByteArray> bytes =
                RegularFile::read(place->path, sizeLimit, &place->look, before, problem);
            if (!bytes)
                return fail(problem);
            now = *bytes;
        }
        IniDocument document = IniDocument::parse(now);
        for (auto [key, chosen] : m_unsaved.asKeyValueRange()) {
            const std::optional<QByteArray> edited = document.withValue(key, chosen);
            if (!edited)
                return fail(text(Problem::cannotEdit));
            document = IniDocument::parse(*edited);
        }
        switch (RegularFile::replace(place->path, document.bytes(), before, problem)) {
        case RegularFile::Outcome::replaced:
            m_document = document;
            return true;
        case RegularFile::Outcome::changedMeanwhile:
            continue;
        case RegularFile::Outcome::failed:
            return fail(problem);
        }
    }
    return fail(problem);
}

} // namespace vesk
