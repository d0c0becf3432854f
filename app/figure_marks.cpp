// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/figure_marks.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

#include "app/contrast.h"
#include "app/figure_texts.h"
#include "model/refresh.h"

namespace fendrel {

namespace {

// On the axes the vectors' components lie side by side, this many window units apart, so
// that those along the same stretch of an axis all show: R's on the axis, A's and B's beyond.
constexpr float kLane = 120;
constexpr PerVector<int> kLanes{1, 2, 0};
// The arcs' radii: at a common tail each vector's arc and the angle between A and B apart,
// far enough for their labels to stand side by side.
constexpr PerVector<float> kArcRadius{720, 1020, 1320};
constexpr float kBetweenRadius = 1620;
// The arc between A and B, which is neither's, in a light grey made readable.
constexpr Color kBetweenColour = 0xD0D0D0;

// -1, 0 or 1 by the sign of v, with 0 taken as `otherwise`.
int sideOf(double v, int otherwise = 1) { return v > 0 ? 1 : v < 0 ? -1 : otherwise; }

MarkLabel labelAt(std::string text, double x, double y, double towardX, double towardY, Color color) {
    return {std::move(text), static_cast<float>(x), static_cast<float>(y), towardX, towardY, color};
}

void addComponents(FigureMarks& marks, const FormState& s, ComponentStyle style) {
    const Line& origin = s.line(Vec::A);
    // Their items' captions as the view shows them, the unit of the reference scale included.
    const PerVector<VectorCaptions> captions = viewCaptions(s);
    for (Vec v : kVectors) {
        const Line& l = s.line(v);
        const double middleX = (static_cast<double>(l.x1) + l.x2) / 2, middleY = (static_cast<double>(l.y1) + l.y2) / 2;
        for (Axis axis : kAxes) {
            if (s.vars.components[v][axis].read() == 0) continue;
            ComponentMark m{v, l.x1, l.y1, l.x2, l.y2, readableOn(l.color, s.backColor, kGraphicsContrast), {}};
            double towardX = 0, towardY = 0;
            if (axis == Axis::X) {
                // Level with the tail, or along the x axis: its label away from the arrow.
                m.y1 = m.y2 = style == ComponentStyle::OnAxes ? origin.y1 + kLanes[v] * kLane : l.y1;
                towardY = style == ComponentStyle::OnAxes ? 1 : sideOf(m.y1 - middleY);
            } else {
                // Up to the tip from the x component's point, up from the tail, or along the y axis.
                m.x1 = m.x2 = style == ComponentStyle::Triangle ? l.x2
                              : style == ComponentStyle::FromTail ? l.x1
                                                                  : origin.x1 - kLanes[v] * kLane;
                towardX = style == ComponentStyle::OnAxes ? -1 : sideOf(m.x1 - middleX);
            }
            if (m.x1 == m.x2 && m.y1 == m.y2) continue;
            m.label = labelAt(captions[v].components[axis], (static_cast<double>(m.x1) + m.x2) / 2,
                              (static_cast<double>(m.y1) + m.y2) / 2, towardX, towardY,
                              readableOn(l.color, s.backColor, kTextContrast));
            marks.components.push_back(std::move(m));
        }
    }
}

// Counter-clockwise from +x as the figure shows it, from 0 up to a full turn.
double directionOf(const Line& l) {
    const double degrees =
        std::atan2(static_cast<double>(l.y1) - l.y2, static_cast<double>(l.x2) - l.x1) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

bool hasLength(const Line& l) { return l.x1 != l.x2 || l.y1 != l.y2; }

// The direction within the arc farthest from the arrows that leave its centre: the middle
// of the widest stretch of it between them.
double freeDirection(const FormState& s, float x, float y, double from, double span) {
    const double length = std::fabs(span), way = span < 0 ? -1 : 1;
    std::vector<double> cuts{0, length};  // along the arc from its start
    for (const Line& l : s.lines) {
        if (l.x1 != x || l.y1 != y || !hasLength(l)) continue;
        const double along = std::fmod((directionOf(l) - from) * way + 720, 360);
        if (along > 0 && along < length) cuts.push_back(along);
    }
    std::sort(cuts.begin(), cuts.end());
    std::size_t widest = 0;
    for (std::size_t i = 1; i + 1 < cuts.size(); ++i)
        if (cuts[i + 1] - cuts[i] > cuts[widest + 1] - cuts[widest]) widest = i;
    return from + way * (cuts[widest] + cuts[widest + 1]) / 2;
}

// The arc about the point, its label just outside it where no arrow leaves the point.
AngleMark arc(const FormState& s, std::optional<Vec> v, float x, float y, float radius, double from, double span,
              std::string text, Color colour) {
    const Color background = s.backColor;
    const double middle = freeDirection(s, x, y, from, span) * std::numbers::pi / 180;
    const double c = std::cos(middle), sn = std::sin(middle);
    return {v, x, y, radius, from, span, readableOn(colour, background, kGraphicsContrast),
            labelAt(std::move(text), x + radius * c, y - radius * sn, c, -sn, readableOn(colour, background, kTextContrast))};
}

void addAngles(FigureMarks& marks, const FormState& s) {
    for (Vec v : kVectors) {
        const Line& l = s.line(v);
        if (!hasLength(l)) continue;
        marks.angles.push_back(arc(s, v, l.x1, l.y1, kArcRadius[v], 0, directionOf(l), directionLabel(s, v), l.color));
    }
    // From A's direction to B's the shorter way, about B's tail: where B starts from A's tip
    // in the triangle layout, A's direction goes on beyond it.
    const Line &a = s.line(Vec::A), &b = s.line(Vec::B);
    if (!hasLength(a) || !hasLength(b)) return;
    const double from = directionOf(a);
    double span = directionOf(b) - from;
    if (span > 180) span -= 360;
    if (span <= -180) span += 360;
    marks.angles.push_back(arc(s, std::nullopt, b.x1, b.y1, kBetweenRadius, from, span, angleBetweenLabel(s), kBetweenColour));
}

}  // namespace

FigureMarks figureMarks(const FormState& s, const ViewSettings& view) {
    FigureMarks marks;
    if (view.components != ComponentStyle::Off) addComponents(marks, s, view.components);
    marks.axes = view.components == ComponentStyle::OnAxes;
    marks.originX = s.line(Vec::A).x1;
    marks.originY = s.line(Vec::A).y1;
    if (view.angles) addAngles(marks, s);
    return marks;
}

}  // namespace fendrel
