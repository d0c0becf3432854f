// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/arrow_head.h"

#include <cmath>

namespace fendrel {

namespace {
constexpr double kLengthPerWidth = 5.0;     // along the line
constexpr double kHalfWidthPerWidth = 2.0;  // across it, each side
}  // namespace

std::optional<ArrowHead> arrowHead(QPointF tail, QPointF tip, double lineWidth) {
    const QPointF extent = tip - tail;
    const double length = std::hypot(extent.x(), extent.y());
    if (!(length > 0) || !std::isfinite(length)) return std::nullopt;
    const QPointF along = extent / length;
    const QPointF across(-along.y(), along.x());
    const double headLength = kLengthPerWidth * lineWidth;
    const QPointF back = tip - along * headLength;
    const QPointF side = across * (kHalfWidthPerWidth * lineWidth);
    return ArrowHead{QPolygonF({tip, back + side, back - side}), headLength < length ? back : tail};
}

}  // namespace fendrel
