// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QPointF>
#include <QPolygonF>

namespace fendrel {

// A filled head on a line's tip, in pixels.
struct ArrowHead {
    QPolygonF triangle;  // its point on the tip
    QPointF base;        // the middle of its back edge: where the line's stroke stops
};

// The head for a line of this width from tail to tip, sized from the width alone; none for
// a line of no length. A line shorter than its head stops at its tail.
std::optional<ArrowHead> arrowHead(QPointF tail, QPointF tip, double lineWidth);

}  // namespace fendrel
