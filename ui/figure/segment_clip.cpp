// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/segment_clip.h"

#include <array>

namespace fendrel {

// Parametric clipping: the segment is p1 + t (p2 - p1) for t in [0, 1]; each side of the
// rectangle narrows the range of t that stays inside.
std::optional<QLineF> clipSegment(const QLineF& segment, const QRectF& rect) {
    const QPointF p1 = segment.p1();
    const QPointF d = segment.p2() - p1;
    const std::array<double, 4> toward{-d.x(), d.x(), -d.y(), d.y()};
    const std::array<double, 4> room{p1.x() - rect.left(), rect.right() - p1.x(), p1.y() - rect.top(),
                                     rect.bottom() - p1.y()};
    double enter = 0.0;
    double leave = 1.0;
    for (size_t side = 0; side < toward.size(); ++side) {
        if (toward[side] == 0.0) {
            if (room[side] < 0.0) return std::nullopt;  // parallel to this side and beyond it
            continue;
        }
        const double t = room[side] / toward[side];
        if (toward[side] < 0.0) {
            if (t > enter) enter = t;
        } else if (t < leave) {
            leave = t;
        }
        if (enter > leave) return std::nullopt;
    }
    return QLineF(p1 + enter * d, p1 + leave * d);
}

}  // namespace fendrel
