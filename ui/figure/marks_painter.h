// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QColor>
#include <QRect>
#include <QRectF>

#include "app/figure_marks.h"
#include "ui/figure/figure_view.h"

class QPainter;

namespace fendrel {

// Paints what the marks draw below the arrows over `area` (pixels): the axes, faint on the
// background, the components as dashed arrows, with heads when `arrowHeads`, and the arcs.
void paintMarks(QPainter& painter, const QRectF& area, const FigureMarks& marks, QColor background, bool arrowHeads,
                const WindowUnits& units);

// Paints the marks' labels over the arrows on boxes of the background, each clear of the
// boxes `keepClear` (pixels: the name labels) and of one another.
void paintMarkLabels(QPainter& painter, const FigureMarks& marks, const std::vector<QRect>& keepClear,
                     QColor background, const WindowUnits& units);

}  // namespace fendrel
