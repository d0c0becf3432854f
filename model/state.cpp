// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/state.h"

#include <algorithm>
#include <cmath>

namespace fendrel {

void FormState::bringToFront(Vec v) {
    auto it = std::find(stacking.begin(), stacking.end(), v);
    std::rotate(it, it + 1, stacking.end());
}

bool coordinatesInRange(const FormState& s) {
    auto ok = [](float c) { return std::isfinite(c) && std::fabs(c) <= kCoordinateLimit; };
    return std::all_of(s.lines.begin(), s.lines.end(),
                       [&](const Line& l) { return ok(l.x1) && ok(l.y1) && ok(l.x2) && ok(l.y2); });
}

}  // namespace fendrel
