// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/marks_painter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

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

// The label's box: centred on the ray from its point, its edge a small gap beyond the point.
QRect labelBox(const MarkLabel& label, const QFontMetricsF& metrics, const WindowUnits& units) {
    const QSizeF half(metrics.horizontalAdvance(toQString(label.text)) / 2, metrics.height() / 2);
    const QPointF toward(label.towardX, label.towardY);
    // How far along the ray the centre lies for the edge to pass through the point.
    const double reach = std::min(toward.x() == 0 ? INFINITY : half.width() / std::fabs(toward.x()),
                                  toward.y() == 0 ? INFINITY : half.height() / std::fabs(toward.y()));
    const QPointF centre = units.toPixels(label.x, label.y) + toward * (std::isfinite(reach) ? reach + units.zoomed(kLabelGap) : 0);
    return QRectF(centre - QPointF(half.width(), half.height()), 2 * half).toAlignedRect();
}

std::vector<const MarkLabel*> labelsOf(const FigureMarks& marks) {
    std::vector<const MarkLabel*> labels;
    for (const ComponentMark& m : marks.components) labels.push_back(&m.label);
    for (const AngleMark& m : marks.angles) labels.push_back(&m.label);
    return labels;
}

}  // namespace

QFont markLabelFont(QFont font, const WindowUnits& units) {
    font.setPointSizeF(units.zoomed(kLabelPoints));
    return font;
}

std::vector<QRect> placeMarkLabels(const FigureMarks& marks, const std::vector<QRect>& keepClear, const QFont& font,
                                   const WindowUnits& units, int height) {
    const std::vector<const MarkLabel*> labels = labelsOf(marks);
    if (labels.empty()) return {};
    const QFontMetricsF metrics(markLabelFont(font, units));
    std::vector<QRect> boxes = keepClear;
    for (const MarkLabel* label : labels) boxes.push_back(labelBox(*label, metrics, units));
    moveApart(boxes, height);
    boxes.erase(boxes.begin(), boxes.begin() + static_cast<std::ptrdiff_t>(keepClear.size()));
    return boxes;
}

QRectF marksBox(const FigureMarks& marks, const std::vector<QRect>& labels, const WindowUnits& units) {
    QRectF box;
    for (const ComponentMark& m : marks.components) box |= QRectF(QPointF(m.x1, m.y1), QPointF(m.x2, m.y2)).normalized();
    for (const AngleMark& m : marks.angles) {
        // The arc through points close enough together for its bulge not to count.
        constexpr int kSteps = 12;
        for (int i = 0; i <= kSteps; ++i) {
            const double t = (m.from + m.span * i / kSteps) * std::numbers::pi / 180;
            const QPointF p(m.x + m.radius * std::cos(t), m.y - m.radius * std::sin(t));
            box |= QRectF(p, p);
        }
    }
    for (const QRect& label : labels)
        box |= QRectF(units.toUnits(label.topLeft()), units.toUnits(label.bottomRight() + QPointF(1, 1)));
    return box;
}

void paintMarks(QPainter& painter, const QRectF& area, const FigureMarks& marks, QColor background, bool arrowHeads,
                const WindowUnits& units) {
    if (marks.axes) paintAxes(painter, area, units.toPixels(marks.originX, marks.originY), background);
    // R's first: from a common tail its components run along A's and B's, which show over it.
    for (auto m = marks.components.rbegin(); m != marks.components.rend(); ++m) paintComponent(painter, area, *m, arrowHeads, units);
    for (const AngleMark& m : marks.angles) paintArc(painter, area, m, units);
}

// On the background, so that a line beneath takes nothing from the text's contrast.
void paintMarkLabels(QPainter& painter, const QRectF& area, const FigureMarks& marks, const std::vector<QRect>& labels,
                     QColor background, const WindowUnits& units) {
    painter.setFont(markLabelFont(painter.font(), units));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const std::vector<const MarkLabel*> texts = labelsOf(marks);
    for (std::size_t i = 0; i < texts.size() && i < labels.size(); ++i) {
        if (!area.intersects(labels[i])) continue;
        painter.fillRect(labels[i], background);
        painter.setPen(toQColor(texts[i]->color));
        painter.drawText(QPointF(labels[i].left(), labels[i].top() + metrics.ascent()), toQString(texts[i]->text));
    }
}

}  // namespace fendrel
