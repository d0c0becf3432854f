// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/labels_apart.h"

#include <QWidget>

namespace fendrel {

void drawLabelsApart(const PerVector<QWidget*>& labels, const std::array<Vec, 3>& stacking) {
    // From the top down, each label clear of those above it. A move only goes down, past
    // the label it clears, so one pass per label above is enough.
    for (auto lower = stacking.rbegin() + 1; lower != stacking.rend(); ++lower) {
        QWidget& label = *labels[*lower];
        for (auto pass = stacking.rbegin(); pass != lower; ++pass)
            for (auto upper = stacking.rbegin(); upper != lower; ++upper)
                if (label.geometry().intersects(labels[*upper]->geometry()))
                    label.move(label.x(), labels[*upper]->geometry().bottom() + 1);
    }
}

}  // namespace fendrel
