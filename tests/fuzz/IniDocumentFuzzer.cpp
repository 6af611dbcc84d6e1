// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// libFuzzer target for the settings file's reader and writer: any bytes
// parse without a crash and come back unchanged, vesk's keys read back as
// written, and a write keeps every other line, in order.

#include "VeskCore/IniDocument.h"

#include <cstdint>
#include <cstdlib>

using vesk::IniDocument;
using vesk::IniValue;

namespace {

// The lines as the document sees them: ended by "\r\n", "\r" or "\n".
QList<QByteArray> lines(const QByteArray &bytes)
{
    QList<QByteArray> result;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        result << bytes.mid(start, end - start);
        if (end < bytes.size() && bytes[end] == '\r')
            ++end;
        if (end < bytes.size() && bytes[end] == '\n')
            ++end;
        start = end;
    }
    return result;
}

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
    require(document.toBytes() == bytes);
    for (const char *key : {"appearance", "startSection", "preselectLowRisk", "compactCards"})
        (void)document.value(key);
    (void)IniDocument::unescape(bytes);

    IniDocument edited = document;
    edited.setValue("appearance", "Fosc");
    edited.setValue("compactCards", "true");
    const QByteArray written = edited.toBytes();
    const IniDocument reread = IniDocument::parse(written);
    require(reread.value("appearance") == IniValue{IniValue::Kind::text, QStringLiteral("Fosc")});
    require(reread.value("compactCards") == IniValue{IniValue::Kind::text, QStringLiteral("true")});

    // Every line that is not one vesk rewrote is still there, in order.
    const QList<QByteArray> before = lines(bytes);
    const QList<QByteArray> after = lines(written);
    qsizetype at = 0;
    int rewritten = 0;
    for (const QByteArray &line : before) {
        while (at < after.size() && after[at] != line)
            ++at;
        if (at == after.size()) {
            ++rewritten; // the line of one of the two keys, replaced in place
            at = 0;
            continue;
        }
        ++at;
    }
    require(rewritten <= 2);
    require(after.size() <= before.size() + 3); // two keys and, at most, their section
    return 0;
}
