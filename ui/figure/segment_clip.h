// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QLineF>
#include <QRectF>

namespace fendrel {

// The part of a segment that lies inside a rectangle, or nothing when none does. The
// painter then never has to rasterise a segment whose ends lie far outside the window.
std::optional<QLineF> clipSegment(const QLineF& segment, const QRectF& rect);

}  // namespace fendrel
