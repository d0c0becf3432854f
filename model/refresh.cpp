// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/refresh.h"

#include <cmath>
#include <string>

#include "model/angles.h"
#include "model/numbers.h"
#include "model/shown_number.h"
#include "model/translation.h"

namespace fendrel {

namespace {

// " r" in radians, "°" in degrees, after each angle of the vector menus.
std::string_view unitSuffix(bool radMode) {
    // TRANSLATORS: written right after an angle in radians in the vectors' menus ("1.57 r").
    return radMode ? _(C_("radians after an angle", " r")) : _(C_("degrees after an angle", "\u00B0"));
}

// " 30 N": a number shown in the reference scale, with the scale's unit when it has one.
std::string inScale(std::string number, std::string_view unit) {
    if (unit.empty()) return number;
    // TRANSLATORS: a value in the reference scale with the unit the lesson names for it, as
    // the values below the figure show it (" 30 N"): {value} is the number, with a blank
    // before it unless negative, {unit} the unit as the teacher typed it.
    static const Pattern pattern(N_("{value} {unit}"), {"value", "unit"});
    return pattern({number, unit});
}

// "A= 4200, 90°": the caption of a vector's menu, with `unit` after its magnitude.
std::string vectorCaption(Vec v, double magnitude, double angle, bool radMode, std::string_view unit = {}) {
    // TRANSLATORS: the title of a vector's menu. {vector} is A, B or R; {magnitude} and {angle}
    // are numbers, each with a blank before it unless negative ("A= 4200, 90°"); {unit} is the
    // angle's unit as translated above. Another separator keeps the two numbers apart where
    // the decimal separator is a comma ("A= 3298,48; 67,17°").
    static const Pattern pattern(N_("{vector}={magnitude},{angle}{unit}"), {"vector", "magnitude", "angle", "unit"});
    const CaptionAngle shown = captionAngle(angle, radMode);
    return pattern({letter(v), inScale(shownNumber(round2(magnitude)), unit), shown.number, shown.unit});
}

// "Ay=-3240": the caption of a component item, with `unit` after its value.
void showComponent(FormState& s, Vec v, Axis axis, std::string_view unit = {}) {
    // TRANSLATORS: a component of a vector: {vector} is A, B or R, {axis} is x or y, {value} a
    // number with a blank before it unless negative ("Ax= 0", "By=-150.25").
    static const Pattern pattern(N_("{vector}{axis}={value}"), {"vector", "axis", "value"});
    s.menu(componentItem(v, axis)).caption =
        pattern({letter(v), kAxisLetters[axis], inScale(shownNumber(s.vars.components[v][axis]), unit)});
}

// One step of the conversion: a result that is not finite counts as failed, and the step
// writes nothing.
bool scaled(double value, double ratioNumerator, double ratioDenominator, double& out) {
    const double r = value * ratioNumerator / ratioDenominator;
    if (!std::isfinite(r)) return false;
    out = r;
    return true;
}

// Every value that scales is shown with `unit` after it.
void showInReferenceUnits(FormState& s, Vec reference, std::string_view unit) {
    const double k = s.vars.referenceConstant.read();
    const double refMod = s.vars.magnitude[reference].read();
    // R's label keeps the blank the display format puts before a number.
    s.label(reference).caption = reference == Vec::R ? shownNumber(k) : withDecimalSeparator(trimmed(k));
    for (Vec v : kVectors) {
        double magnitude = 0;  // stays 0 when its scaling fails
        const bool magnitudeScaled = v == reference || scaled(s.vars.magnitude[v].read(), k, refMod, magnitude);
        if (v == reference) magnitude = k;
        s.menu(vectorMenu(v, VectorItem::Title)).caption =
            vectorCaption(v, magnitude, s.vars.direction[v].read(), s.vars.radMode, magnitudeScaled ? unit : "");
        for (Axis axis : kAxes) {
            Number& comp = s.vars.components[v][axis];
            double c = 0;
            const bool componentScaled = scaled(comp.read(), k, refMod, c);
            if (componentScaled) comp = Number::dbl(round2(c));
            showComponent(s, v, axis, componentScaled ? unit : "");
        }
    }
}

}  // namespace

CaptionAngle captionAngle(double angle, bool radMode) { return {shownNumber(round2(angle)), unitSuffix(radMode)}; }

void convertToReferenceScale(FormState& s, std::string_view unit) {
    for (Vec v : kVectors) {
        if (s.checked(vectorMenu(v, VectorItem::Constant)))
            showInReferenceUnits(s, v, unit);
        else
            s.label(v).caption = facts(v).labelCaption;
    }
}

namespace {

// The refresh, with `unit` after every value the display scale converts.
void refresh(FormState& s, std::string_view unit) {
    s.measured = s.lines;
    for (Vec v : kVectors) {
        const Line& l = s.line(v);
        const double dy = static_cast<double>(l.y2) - l.y1;
        const double dx = static_cast<double>(l.x2) - l.x1;
        s.vars.magnitude[v] = Number::dbl(std::sqrt(dy * dy + dx * dx));
        s.label(v).tooltip = letter(v);
        s.putLabelOnTip(v);
        const PerAxis<float> measured = measuredComponents(l);
        const float x = measured[Axis::X], y = measured[Axis::Y];
        s.vars.components[v][Axis::X] = Number::single(round2(x));
        showComponent(s, v, Axis::X);
        s.vars.components[v][Axis::Y] = Number::single(round2(y));
        showComponent(s, v, Axis::Y);
        // The direction is taken from the components as their plain text reads back.
        s.vars.direction[v] = Number::dbl(directionAngle(plainDouble(x), plainDouble(y), s.vars.radMode));
        s.menu(vectorMenu(v, VectorItem::Title)).caption = vectorCaption(v, s.vars.magnitude[v].read(), s.vars.direction[v].read(), s.vars.radMode);
    }
    measureAnglesBetween(s.vars);
    convertToReferenceScale(s, unit);
}

}  // namespace

PerAxis<float> measuredComponents(const Line& l) { return {{l.x2 - l.x1, (l.y2 - l.y1) * -1.0f}}; }

void refreshQuantities(FormState& s) { refresh(s, {}); }

PerVector<VectorCaptions> viewCaptions(const FormState& s) {
    const auto captionsOf = [](const FormState& from) {
        PerVector<VectorCaptions> captions;
        for (Vec v : kVectors)
            captions[v] = {from.menu(vectorMenu(v, VectorItem::Title)).caption,
                           {from.menu(componentItem(v, Axis::X)).caption, from.menu(componentItem(v, Axis::Y)).caption}};
        return captions;
    };
    if (s.unit.empty()) return captionsOf(s);
    // Measured again where the captions were: the same numbers, now with the unit.
    FormState withUnit = s;
    withUnit.lines = s.measured;
    refresh(withUnit, s.unit);
    return captionsOf(withUnit);
}

double captionUnitsPerWindowUnit(const FormState& s) {
    for (Vec v : kVectors) {
        if (!s.checked(vectorMenu(v, VectorItem::Constant))) continue;
        const double ratio = s.vars.referenceConstant.read() / s.vars.magnitude[v].read();
        return std::isfinite(ratio) && ratio != 0 ? ratio : 1.0;
    }
    return 1.0;
}

}  // namespace fendrel
