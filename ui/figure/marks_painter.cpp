// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/marks_painter.h"

#include <cmath>

#include <QFontMetricsF>
#include <QPainter>

#include "ui/base/colors.h"
#include "ui/base/qt_text.h"
#include "ui/figure/arrow_head.h"
#include "ui/figure/grid_painter.h"
#include "ui/figure/labels_apart.h"
#include "ui/figure/segment_clip.h"

namespace fendrel {

namespace {

// Widths at the actual size, in pixels, and the dashes and gaps in widths.
constexpr double kComponentWidth = 2;
constexpr double kArcWidth = 2;
const QList<qreal> kDashes{3, 2};
constexpr double kLabelPoints = 9;
constexpr double kLabelGap = 3;  // pixels between a label and its point

void paintAxes(QPainter& painter, const QRectF& area, QPointF origin, QColor background) {
    // Whole rows and columns of pixels, as the grid's: crisp at any zoom.
    const QRect pixels = area.toAlignedRect();
    const QColor colour = gridColour(background);
    painter.fillRect(QRect(pixels.left(), static_cast<int>(std::floor(origin.y())), pixels.width(), 1), colour);
    painter.fillRect(QRect(static_cast<int>(std::floor(origin.x())), pixels.top(), 1, pixels.height()), colour);
}

void paintComponent(QPainter& painter, const QRectF& area, const ComponentMark& m, bool arrowHeads, const WindowUnits& units) {
    const double width = units.zoomed(kComponentWidth);
    const QPointF start = units.toPixels(m.x1, m.y1), point = units.toPixels(m.x2, m.y2);
    const auto head = arrowHeads ? arrowHead(start, point, width) : std::nullopt;
    const QColor colour = toQColor(m.color);
    const QRectF visible = area.adjusted(-width, -width, width, width);
    if (const auto shown = clipSegment(QLineF(start, head ? head->base : point), visible)) {
        QPen pen(colour, width, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern(kDashes);
        // The dashes stay where they are on the segment when its start is cut off.
        pen.setDashOffset(QLineF(start, shown->p1()).length() / width);
        painter.setPen(pen);
        painter.drawLine(*shown);
    }
    if (head && visible.intersects(head->triangle.boundingRect())) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(head->triangle);
    }
}

void paintArc(QPainter& painter, const QRectF& area, const AngleMark& m, const WindowUnits& units) {
    const QPointF centre = units.toPixels(m.x, m.y);
    const QSizeF radius = units.toPixels(QSizeF(m.radius, m.radius));
    const QRectF box(centre - QPointF(radius.width(), radius.height()), 2 * radius);
    if (m.span == 0 || !area.intersects(box)) return;
    painter.setPen(QPen(toQColor(m.color), units.zoomed(kArcWidth), Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    // In sixteenths of a degree, counter-clockwise on the screen as on the figure.
    painter.drawArc(box, static_cast<int>(std::lround(m.from * 16)), static_cast<int>(std::lround(m.span * 16)));
}

// The label's box: on its side of its point, a small gap away.
QRect labelBox(const MarkLabel& label, const QFontMetricsF& metrics, const WindowUnits& units, double gap) {
    const QSizeF size(metrics.horizontalAdvance(toQString(label.text)), metrics.height());
    const QPointF centre = units.toPixels(label.x, label.y) +
                           QPointF(label.sideX * (size.width() / 2 + gap), label.sideY * (size.height() / 2 + gap));
    return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size).toAlignedRect();
}

}  // namespace

void paintMarks(QPainter& painter, const QRectF& area, const FigureMarks& marks, QColor background, bool arrowHeads,
                const WindowUnits& units) {
    if (marks.axes) paintAxes(painter, area, units.toPixels(marks.originX, marks.originY), background);
    // R's first: from a common tail its components run along A's and B's, which show over it.
    for (auto m = marks.components.rbegin(); m != marks.components.rend(); ++m) paintComponent(painter, area, *m, arrowHeads, units);
    for (const AngleMark& m : marks.angles) paintArc(painter, area, m, units);
}

void paintMarkLabels(QPainter& painter, const FigureMarks& marks, const std::vector<QRect>& keepClear,
                     QColor background, const WindowUnits& units) {
    std::vector<const MarkLabel*> labels;
    for (const ComponentMark& m : marks.components) labels.push_back(&m.label);
    for (const AngleMark& m : marks.angles) labels.push_back(&m.label);
    if (labels.empty()) return;
    QFont font = painter.font();
    font.setPointSizeF(units.zoomed(kLabelPoints));
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    std::vector<QRect> boxes = keepClear;
    for (const MarkLabel* label : labels) boxes.push_back(labelBox(*label, metrics, units, units.zoomed(kLabelGap)));
    moveApart(boxes);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QRect& box = boxes[keepClear.size() + i];
        // On the background, so that a line beneath takes nothing from the text's contrast.
        painter.fillRect(box, background);
        painter.setPen(toQColor(labels[i]->color));
        painter.drawText(QPointF(box.left(), box.top() + metrics.ascent()), toQString(labels[i]->text));
    }
}

}  // namespace fendrel
