// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QByteArray>
#include <QList>

namespace vesk::icns {

// One image of an Apple icon file: its four-letter type and the side in
// pixels of the PNG it holds.
struct Slot
{
    QByteArray type;
    int side;
};

// The PNG slots a macOS application icon carries, 16 to 1024 pixels,
// the doubled ("@2x") ones included.
QList<Slot> applicationSlots();

// An .icns container: the "icns" header with the file's length, then each
// entry as its type, its length (header included) and its data. Lengths
// are big-endian 32-bit numbers.
QByteArray container(const QList<std::pair<QByteArray, QByteArray>> &entries);

} // namespace vesk::icns
