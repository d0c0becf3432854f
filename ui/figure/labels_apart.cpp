// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/labels_apart.h"

#include <cstdlib>
#include <optional>
#include <tuple>
#include <vector>

#include <QWidget>

#include "app/focus_ring_style.h"

namespace fendrel {

namespace {

// Clear of every label above by the ring's width: the ring around either then stops short of
// the other.
bool clearOf(const QRect& place, const std::vector<QRect>& above) {
    constexpr int w = kFocusRingWidth;
    for (const QRect& upper : above)
        if (place.intersects(upper.adjusted(-w, -w, w, w))) return false;
    return true;
}

// The top of the nearest clear place for a label at `at`: where it stands, or just below or
// just above one of the labels over it, one of which is always clear. Inside the canvas's
// `height` first, when it stood inside; then the least move; a tie goes down.
int clearTop(const QRect& at, const std::vector<QRect>& above, int height) {
    if (clearOf(at, above)) return at.top();
    const auto inside = [&](int top) { return top >= 0 && top + at.height() <= height; };
    const bool keepInside = inside(at.top());
    const auto rank = [&](int top) { return std::tuple(keepInside && !inside(top), std::abs(top - at.top()), top < at.top()); };
    std::optional<int> best;
    for (const QRect& upper : above)
        for (int top : {upper.bottom() + 1 + kFocusRingWidth, upper.top() - kFocusRingWidth - at.height()})
            if (clearOf(at.translated(0, top - at.top()), above) && (!best || rank(top) < rank(*best))) best = top;
    return *best;
}

}  // namespace

void drawLabelsApart(const PerVector<QWidget*>& labels, const std::array<Vec, 3>& stacking) {
    // From the top down, each label clear of those above it as they are drawn.
    std::vector<QRect> above;
    for (auto v = stacking.rbegin(); v != stacking.rend(); ++v) {
        QWidget& label = *labels[*v];
        const int height = label.parentWidget() ? label.parentWidget()->height() : 0;
        label.move(label.x(), clearTop(label.geometry(), above, height));
        above.push_back(label.geometry());
    }
}

}  // namespace fendrel
