// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/labels_apart.h"

#include <cstddef>
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

void moveApart(std::span<QRect> boxes, int height) {
    std::vector<QRect> above;
    for (QRect& box : boxes) {
        box.moveTop(clearTop(box, above, height));
        above.push_back(box);
    }
}

void drawLabelsApart(const PerVector<QWidget*>& labels, const std::array<Vec, 3>& stacking) {
    // From the top down, each label clear of those above it as they are drawn.
    std::array<QRect, 3> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = labels[stacking[boxes.size() - 1 - i]]->geometry();
    const QWidget* canvas = labels[stacking.back()]->parentWidget();
    moveApart(boxes, canvas ? canvas->height() : 0);
    for (std::size_t i = 0; i < boxes.size(); ++i) labels[stacking[boxes.size() - 1 - i]]->move(boxes[i].topLeft());
}

}  // namespace fendrel
