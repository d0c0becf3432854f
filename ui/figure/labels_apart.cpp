// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/labels_apart.h"

#include <QWidget>

namespace fendrel {

void moveApart(std::span<QRect> boxes) {
    // Each box clear of those before it. A move only goes down, past the box it clears, so
    // one pass per box before it is enough.
    for (std::size_t later = 1; later < boxes.size(); ++later) {
        QRect& box = boxes[later];
        for (std::size_t pass = 0; pass < later; ++pass)
            for (std::size_t earlier = 0; earlier < later; ++earlier)
                if (box.intersects(boxes[earlier])) box.moveTop(boxes[earlier].bottom() + 1);
    }
}

void drawLabelsApart(const PerVector<QWidget*>& labels, const std::array<Vec, 3>& stacking) {
    // From the top down: the label on top stays.
    std::array<QRect, 3> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = labels[stacking[stacking.size() - 1 - i]]->geometry();
    moveApart(boxes);
    for (std::size_t i = 0; i < boxes.size(); ++i) labels[stacking[stacking.size() - 1 - i]]->move(boxes[i].topLeft());
}

}  // namespace fendrel
