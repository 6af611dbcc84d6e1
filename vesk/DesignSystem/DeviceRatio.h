// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QtGlobal>

class QPainter;

namespace vesk {

// The pixel ratio of what a painter really paints on. QPainter::device() is
// the widget even while QWidget::render() redirects its painting into a
// pixmap of another ratio, so pictures made for a ratio ask the paint engine
// for its target instead.
qreal deviceRatio(const QPainter &painter);

} // namespace vesk
