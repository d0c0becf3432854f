// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/captions.h"

#include "model/translation.h"
#include "model/vector_table.h"

namespace fendrel {

std::string_view angleUnitSuffix(bool radMode) {
    // TRANSLATORS: written right after an angle in radians in the vectors' menus ("1.57 r").
    return radMode ? _(C_("radians after an angle", " r")) : _(C_("degrees after an angle", "\u00B0"));
}

std::string inScale(std::string number, std::string_view unit) {
    if (unit.empty()) return number;
    // TRANSLATORS: a value in the reference scale with the unit the lesson names for it, as
    // the values below the figure show it (" 30 N"): {value} is the number, with a blank
    // before it unless negative, {unit} the unit as the teacher typed it.
    static const Pattern pattern(N_("{value} {unit}"), {"value", "unit"});
    return pattern({number, unit});
}

std::string vectorCaption(Vec v, std::string_view magnitude, std::string_view angle, bool radMode) {
    // TRANSLATORS: the title of a vector's menu. {vector} is A, B or R; {magnitude} and {angle}
    // are numbers, each with a blank before it unless negative ("A= 4200, 90°"); {unit} is the
    // angle's unit as translated above. Another separator keeps the two numbers apart where
    // the decimal separator is a comma ("A= 3298,48; 67,17°").
    static const Pattern pattern(N_("{vector}={magnitude},{angle}{unit}"), {"vector", "magnitude", "angle", "unit"});
    return pattern({letter(v), magnitude, angle, angleUnitSuffix(radMode)});
}

std::string componentCaption(Vec v, Axis axis, std::string_view value) {
    // TRANSLATORS: a component of a vector: {vector} is A, B or R, {axis} is x or y, {value} a
    // number with a blank before it unless negative ("Ax= 0", "By=-150.25").
    static const Pattern pattern(N_("{vector}{axis}={value}"), {"vector", "axis", "value"});
    return pattern({letter(v), kAxisLetters[axis], value});
}

std::string referenceLabelCaption(Vec reference, std::string_view constant) {
    if (reference != Vec::R && !constant.empty() && constant.front() == ' ') constant.remove_prefix(1);
    return std::string(constant);
}

}  // namespace fendrel
