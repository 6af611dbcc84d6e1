// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>

#include <iterator>
#include <optional>

namespace vesk {

// The enumerations are known to the meta-object system, so properties of
// these types, test tables and any inspector can name their cases.
Q_NAMESPACE

// ---------------------------------------------------------------------------
// Enumerations. Those with raw values use their Catalan display title as the
// raw value; for Appearance and Section that text is also the stored format of
// the preferences, so it must never change.
// ---------------------------------------------------------------------------

enum class Section
{
    home,
    cleanup,
    storage,
    applications,
    performance,
    privacy,
    history
};
Q_ENUM_NS(Section)
enum class Risk
{
    low,
    review,
    protected_
};
Q_ENUM_NS(Risk)
enum class AppSort
{
    size,
    name,
    date
};
Q_ENUM_NS(AppSort)
enum class AppFilter
{
    all,
    unused,
    remnants
};
Q_ENUM_NS(AppFilter)
enum class StorageMode
{
    mosaic,
    large,
    old,
    duplicates
};
Q_ENUM_NS(StorageMode)
enum class ScanPhase
{
    idle,
    scanning,
    cancelled,
    results,
    review,
    completed
};
Q_ENUM_NS(ScanPhase)
enum class Appearance
{
    system,
    light,
    dark
};
Q_ENUM_NS(Appearance)

QString rawValue(Section value);
QString rawValue(Risk value);
QString rawValue(AppSort value);
QString rawValue(AppFilter value);
QString rawValue(StorageMode value);
QString rawValue(Appearance value);

// The platform symbol name of a section's sidebar row.
QString symbol(Section value);
// A section is identified by its raw value.
inline QString id(Section value)
{
    return rawValue(value);
}

template <typename E> struct EnumCases;
template <> struct EnumCases<Section>
{
    static constexpr Section values[] = {
        Section::home,        Section::cleanup, Section::storage, Section::applications,
        Section::performance, Section::privacy, Section::history};
    static constexpr bool caseIterable = true;
};
template <> struct EnumCases<Risk>
{
    static constexpr Risk values[] = {Risk::low, Risk::review, Risk::protected_};
    // Risks are never listed as a whole in the interface.
    static constexpr bool caseIterable = false;
};
template <> struct EnumCases<AppSort>
{
    static constexpr AppSort values[] = {AppSort::size, AppSort::name, AppSort::date};
    static constexpr bool caseIterable = true;
};
template <> struct EnumCases<AppFilter>
{
    static constexpr AppFilter values[] = {AppFilter::all, AppFilter::unused, AppFilter::remnants};
    static constexpr bool caseIterable = true;
};
template <> struct EnumCases<StorageMode>
{
    static constexpr StorageMode values[] = {StorageMode::mosaic, StorageMode::large,
                                             StorageMode::old, StorageMode::duplicates};
    static constexpr bool caseIterable = true;
};
template <> struct EnumCases<ScanPhase>
{
    static constexpr ScanPhase values[] = {ScanPhase::idle,      ScanPhase::scanning,
                                           ScanPhase::cancelled, ScanPhase::results,
                                           ScanPhase::review,    ScanPhase::completed};
    static constexpr bool caseIterable = true;
};
template <> struct EnumCases<Appearance>
{
    static constexpr Appearance values[] = {Appearance::system, Appearance::light,
                                            Appearance::dark};
    static constexpr bool caseIterable = true;
};

// Every case in declaration order.
template <typename E> QList<E> allCases()
{
    static_assert(EnumCases<E>::caseIterable, "this enumeration is not case-iterable");
    return QList<E>(std::begin(EnumCases<E>::values), std::end(EnumCases<E>::values));
}

// The case whose raw value is exactly `text` (letter case, accents and blanks
// all count); nothing for any other text.
template <typename E> std::optional<E> fromRawValue(const QString &text)
{
    for (E value : EnumCases<E>::values) {
        if (rawValue(value) == text)
            return value;
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// Records: plain values, fields in their canonical order.
// ---------------------------------------------------------------------------

struct Candidate
{
    QString id;
    QString name;
    QString path;
    qint64 bytes = 0;
    qint64 fileCount = 0;
    QString category;
    QString reason;
    Risk risk = Risk::review;

    bool selectable() const { return risk != Risk::protected_; }
    friend bool operator==(const Candidate &, const Candidate &) = default;
};

struct StorageNode
{
    QString id;
    QString name;
    qint64 bytes = 0;
    QString kind;
    qint64 modifiedDaysAgo = 0;
    QList<StorageNode> children;
    std::optional<QString> duplicateGroup;

    // The kind of an area vesk may not look into. Code tells such nodes
    // apart by this one translated text, never by a literal of its own.
    static QString noAccessKind();

    // A node without children is a file, whatever its kind says.
    bool isFolder() const { return !children.isEmpty(); }
    bool isNoAccess() const { return kind == noAccessKind(); }
    // Every node below this one in depth-first pre-order, this one excluded.
    QList<StorageNode> descendants() const;
    friend bool operator==(const StorageNode &, const StorageNode &) = default;
};

struct DiskCategory
{
    QString id;
    QString name;
    double gigabytes = 0;
    friend bool operator==(const DiskCategory &, const DiskCategory &) = default;
};

struct DemoApplication
{
    QString id;
    QString name;
    QString developer;
    QString symbol;
    qint64 bytes = 0;
    qint64 dataBytes = 0;
    qint64 installedDaysAgo = 0;
    bool unused = false;
    bool protected_ = false;
    bool remnant = false;
    QList<Candidate> components;

    // Package plus data, saturating instead of overflowing.
    qint64 totalBytes() const;
    friend bool operator==(const DemoApplication &, const DemoApplication &) = default;
};

struct PerformancePoint
{
    qint64 id = 0;
    double cpu = 0;
    double memory = 0;
    double disk = 0;
    friend bool operator==(const PerformancePoint &, const PerformancePoint &) = default;
};

struct DemoProcess
{
    QString id;
    QString name;
    double cpu = 0;
    QString memory;
    bool background = false;
    bool login = false;
    friend bool operator==(const DemoProcess &, const DemoProcess &) = default;
};

struct Protection
{
    QString id;
    QString name;
    QString symbol;
    QString state;
    QString explanation;
    bool verifiedInDemo = false;
    friend bool operator==(const Protection &, const Protection &) = default;
};

// Identified by its UUID only; deliberately without equality.
struct HistoryEntry
{
    QUuid id;
    QDateTime date;
    QString title;
    qint64 count = 0;
    qint64 bytes = 0;
    QString detail;
    QString result;
    QString errors;

    // The results the history tells apart, one translated text each,
    // wherever a record is made or filtered.
    static QString completedResult();
    static QString cancelledResult();
};

} // namespace vesk
