// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QColor>
#include <QFont>
#include <QRect>
#include <QRectF>

#include "app/figure_marks.h"
#include "ui/figure/figure_view.h"

class QPainter;

namespace fendrel {

// The font of the marks' labels, from the canvas's, at the zoom of `units`.
QFont markLabelFont(QFont font, const WindowUnits& units);

// Where the marks' labels stand, in pixels, in the order of the marks (components, then
// angles): each beside its point in the canvas's `font` (markLabelFont gives their size),
// then moved clear of the boxes `keepClear` (the name labels) and of one another as the name
// labels are (moveApart, inside the canvas's `height`).
std::vector<QRect> placeMarkLabels(const FigureMarks& marks, const std::vector<QRect>& keepClear, const QFont& font,
                                   const WindowUnits& units, int height);

// The box around the marks and their labels (placed as above), in window units; the axes,
// which cross the whole canvas, are no part of it.
QRectF marksBox(const FigureMarks& marks, const std::vector<QRect>& labels, const WindowUnits& units);

// Paints the marks over `area` (pixels): the axes, faint on the background, the components
// as dashed arrows, with heads when `arrowHeads`, and the arcs.
void paintMarks(QPainter& painter, const QRectF& area, const FigureMarks& marks, QColor background, bool arrowHeads,
                const WindowUnits& units);

// Paints the marks' labels in the places given, each on a box of the background.
void paintMarkLabels(QPainter& painter, const QRectF& area, const FigureMarks& marks, const std::vector<QRect>& labels,
                     QColor background, const WindowUnits& units);

}  // namespace fendrel
