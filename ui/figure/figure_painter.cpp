// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/figure_painter.h"

#include <algorithm>

#include <QPainter>

#include "ui/base/colors.h"
#include "ui/figure/arrow_head.h"
#include "ui/figure/grid_painter.h"
#include "ui/figure/grid_spacing.h"
#include "ui/figure/marks_painter.h"
#include "ui/figure/segment_clip.h"

namespace fendrel {

namespace {

// The grid's lines go through the origin, A's tail, in the unit the captions show.
void paintBackground(QPainter& painter, const QRectF& area, const Scene& scene, bool grid, const WindowUnits& units) {
    const QPointF unitsPerPixel = units.toUnits(QPointF(1, 1)) - units.toUnits(QPointF(0, 0));
    const auto spacing = grid ? gridSpacing(std::max(unitsPerPixel.x(), unitsPerPixel.y()), scene.captionScale) : std::nullopt;
    if (!spacing) {
        painter.fillRect(area, toQColor(scene.background));
        return;
    }
    const Line& a = scene.lines[Vec::A];
    const QSizeF step = units.toPixels(QSizeF(*spacing, *spacing));
    paintGrid(painter, area, units.toPixels(a.x1, a.y1), QPointF(step.width(), step.height()), toQColor(scene.background));
}

void paintLine(QPainter& painter, const QRectF& area, const Line& line, bool arrowHeads, const WindowUnits& units) {
    // Width in logical pixels: the painter scales it to the device, a cosmetic pen would not.
    const double width = units.zoomed(line.width);
    const QPointF tail = units.toPixels(line.x1, line.y1), tip = units.toPixels(line.x2, line.y2);
    const auto head = arrowHeads ? arrowHead(tail, tip, width) : std::nullopt;
    // Clipped a little beyond the visible rectangle, so a cut end never shows its round end.
    const double margin = 2.0 * width;
    const QRectF visible = area.adjusted(-margin, -margin, margin, margin);
    const QColor colour = toQColor(line.color);
    if (const auto shown = clipSegment(QLineF(tail, head ? head->base : tip), visible)) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(*shown);
        // Round ends as discs: a wide stroke with round caps takes the painter's slow path.
        // A cut end lies beyond the visible rectangle, and a head covers the shaft's end.
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(shown->p1(), width / 2, width / 2);
        if (!head) painter.drawEllipse(shown->p2(), width / 2, width / 2);
    }
    if (head && visible.intersects(head->triangle.boundingRect())) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(head->triangle);
    }
}

}  // namespace

void paintScene(QPainter& painter, const QRectF& area, const Scene& scene, const ViewSettings& view,
                const WindowUnits& units) {
    paintBackground(painter, area, scene, view.grid, units);
    painter.setRenderHint(QPainter::Antialiasing);
    paintMarks(painter, area, scene.marks, toQColor(scene.background), view.arrowHeads, units);
    for (const Line& line : scene.lines) paintLine(painter, area, line, view.arrowHeads, units);
    paintMarkLabels(painter, area, scene.marks, scene.markLabels, toQColor(scene.background), units);
}

}  // namespace fendrel
