// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// libFuzzer target for the settings file's reader and writer: any bytes
// parse without a crash, and setting one of vesk's keys always succeeds,
// reads back as written and leaves every other key of every section reading
// exactly as before.

#include "VeskCore/IniDocument.h"

#include <cstdint>
#include <cstdlib>

using vesk::IniDocument;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const IniDocument document = IniDocument::parse(bytes);
    for (const char *key : {"appearance", "startSection", "preselectLowRisk", "compactCards"})
        (void)document.value(QString::fromLatin1(key));

    const QString key = QStringLiteral("appearance");
    const std::optional<QByteArray> written = document.withValue(key, "Fosc");
    require(written.has_value());
    const IniDocument reread = IniDocument::parse(*written);
    require(reread.value(key) == QVariant(QStringLiteral("Fosc")));
    auto expected = document.entries();
    expected.insert(key, {false, {QStringLiteral("Fosc")}});
    require(reread.entries() == expected);
    return 0;
}
