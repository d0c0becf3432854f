// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "model/state.h"

namespace fendrel {

// The quantity refresh: measures the three lines, stores magnitudes, components and
// directions, puts the labels on the tips, rewrites every vector caption, then the angles
// between the vectors and the display scale.
void refreshQuantities(FormState& s);

// An angle as a vector's caption writes it: the number, 2-decimal rounded in the display
// format with the language's separator (" 90", " 1.57"), and the unit after it ("°", " r").
struct CaptionAngle {
    std::string number;
    std::string_view unit;
};
CaptionAngle captionAngle(double angle, bool radMode);

// A line's components as the refresh measures them, in single precision: x2 − x1, and
// y1 − y2 (y counts upwards) taken as −(y2 − y1), so a level line's y is −0.
PerAxis<float> measuredComponents(const Line& l);

// The display scale, then every vector caption written from the values it gives: with a
// constant item marked, every magnitude and component is shown in reference units, `unit`
// after each that converts; without one, the labels get their letters back.
void convertToReferenceScale(FormState& s, std::string_view unit = {});

// What the window's view shows of a vector beside the figure: its menu's title and its
// components as the menus caption them, and, while a constant item is marked and the state
// names a unit, with that unit after every magnitude and component in reference units
// ("A= 30 N, 0°", "Ax= 30 N"). No menu caption and no dump holds the unit. A vector the
// state's task hides keeps its menu's captions, with "?" for its numbers and no unit.
struct VectorCaptions {
    std::string title;
    PerAxis<std::string> components;
};
PerVector<VectorCaptions> viewCaptions(const FormState& s);

// The numbers a vector's captions show, as they read: its magnitude (in the reference scale
// while a constant item is marked) and its direction in the angle unit, each rounded to 2
// decimals, and its components as the component items show them.
struct ShownValues {
    double magnitude;
    double direction;
    PerAxis<double> components;
};
ShownValues shownValues(const FormState& s, Vec v);

// The unit the captions show, as caption units per window unit: while a constant item is
// marked, the reference constant over the reference vector's magnitude; otherwise, or when
// that ratio is zero or not finite (the captions then stay in window units), 1.
double captionUnitsPerWindowUnit(const FormState& s);

}  // namespace fendrel
