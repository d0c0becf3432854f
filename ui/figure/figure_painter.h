// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QRect>
#include <QRectF>

#include "app/figure_marks.h"
#include "app/view_settings.h"
#include "model/state.h"
#include "ui/figure/figure_view.h"

class QPainter;

namespace fendrel {

// What the canvas paints below the name labels: the background and the grid, the marks
// (components, angles), the three lines with their heads, then the marks' labels.
struct Scene {
    Color background = 0;
    PerVector<Line> lines{};
    // The captions' unit, as caption units per window unit: the grid's spacing follows it.
    double captionScale = 1.0;
    FigureMarks marks;
    std::vector<QRect> markLabels;  // where the marks' labels stand, in pixels (placeMarkLabels)

    friend bool operator==(const Scene&, const Scene&) = default;
};

// Paints the scene over `area` (pixels) under the conversion `units`, drawn as `view` says.
void paintScene(QPainter& painter, const QRectF& area, const Scene& scene, const ViewSettings& view,
                const WindowUnits& units);

}  // namespace fendrel
