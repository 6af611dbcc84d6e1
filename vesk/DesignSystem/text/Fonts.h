// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QFont>

namespace vesk::Fonts {

// Registers the faces bundled into the binary (on Linux: Inter for the
// interface, Quicksand for the rounded titles). Call once before any widget.
void registerBundled();

// The interface face at `pixels` device-independent pixels.
QFont ui(qreal pixels, QFont::Weight weight = QFont::Normal);

// The rounded face for large titles and figures; the interface face where no
// rounded face is bundled.
QFont rounded(qreal pixels, QFont::Weight weight = QFont::Normal);

// `font` with the given tracking in pixels (negative tightens).
QFont tracked(QFont font, qreal pixels);

} // namespace vesk::Fonts
