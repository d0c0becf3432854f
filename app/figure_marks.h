// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/view_settings.h"
#include "model/state.h"

// What the view draws besides the arrows, worked out from the state in window units: the
// vectors' components as dashed arrows, and the angles as arcs, each with its label.
namespace fendrel {

// A label beside a mark: its text lies beyond a point in the direction (towardX, towardY),
// a unit vector with y down, centred on that ray.
struct MarkLabel {
    std::string text;
    float x = 0, y = 0;
    double towardX = 0, towardY = 1;
    Color color = 0;

    friend bool operator==(const MarkLabel&, const MarkLabel&) = default;
};

// One component of a vector, from (x1, y1) to its point at (x2, y2).
struct ComponentMark {
    Vec vector = Vec::A;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color color = 0;
    MarkLabel label;

    friend bool operator==(const ComponentMark&, const ComponentMark&) = default;
};

// An arc about (x, y) from the direction `from` over `span` degrees, both counter-clockwise
// from +x as the figure shows it (y up): a vector's direction, or the angle between A and B.
struct AngleMark {
    std::optional<Vec> vector;  // the vector whose direction it shows; none between A and B
    float x = 0, y = 0;
    float radius = 0;
    double from = 0, span = 0;
    Color color = 0;
    MarkLabel label;

    friend bool operator==(const AngleMark&, const AngleMark&) = default;
};

struct FigureMarks {
    bool axes = false;  // the two axes through the origin, drawn faintly
    float originX = 0, originY = 0;
    std::vector<ComponentMark> components;  // a component of 0 has none
    std::vector<AngleMark> angles;          // a vector of no length has none

    friend bool operator==(const FigureMarks&, const FigureMarks&) = default;
};

// What `view` draws of the figure `s` besides its arrows.
FigureMarks figureMarks(const FormState& s, const ViewSettings& view);

}  // namespace fendrel
