// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "IcnsFile.h"

#include <QtEndian>

namespace vesk::icns {

QList<Slot> applicationSlots()
{
    return {
        {QByteArrayLiteral("icp4"), 16},   {QByteArrayLiteral("ic11"), 32},
        {QByteArrayLiteral("icp5"), 32},   {QByteArrayLiteral("ic12"), 64},
        {QByteArrayLiteral("icp6"), 64},   {QByteArrayLiteral("ic07"), 128},
        {QByteArrayLiteral("ic13"), 256},  {QByteArrayLiteral("ic08"), 256},
        {QByteArrayLiteral("ic14"), 512},  {QByteArrayLiteral("ic09"), 512},
        {QByteArrayLiteral("ic10"), 1024},
    };
}

namespace {
void appendLength(QByteArray &out, qsizetype length)
{
    char bytes[4];
    qToBigEndian(quint32(length), bytes);
    out.append(bytes, 4);
}
} // namespace

QByteArray container(const QList<std::pair<QByteArray, QByteArray>> &entries)
{
    constexpr qsizetype header = 8;
    qsizetype total = header;
    for (const auto &[type, data] : entries)
        total += header + data.size();
    QByteArray out;
    out.reserve(total);
    out.append("icns", 4);
    appendLength(out, total);
    for (const auto &[type, data] : entries) {
        Q_ASSERT(type.size() == 4);
        out.append(type);
        appendLength(out, header + data.size());
        out.append(data);
    }
    return out;
}

} // namespace vesk::icns
