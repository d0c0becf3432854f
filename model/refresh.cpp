// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/refresh.h"

#include <cmath>
#include <optional>
#include <string>

#include "model/angles.h"
#include "model/captions.h"
#include "model/numbers.h"
#include "model/shown_number.h"

namespace fendrel {

namespace {

// One step of the conversion: a result that is not finite counts as failed, and the step
// writes nothing.
bool scaled(double value, double ratioNumerator, double ratioDenominator, double& out) {
    const double r = value * ratioNumerator / ratioDenominator;
    if (!std::isfinite(r)) return false;
    out = r;
    return true;
}

// The reference vector, while a constant item is marked.
std::optional<Vec> referenceVector(const FormState& s) {
    for (Vec v : kVectors)
        if (s.checked(vectorMenu(v, VectorItem::Constant))) return v;
    return std::nullopt;
}

// The vector's magnitude in the reference scale, unrounded; nothing when its scaling fails.
std::optional<double> magnitudeInScale(const FormState& s, Vec v, Vec reference) {
    const double k = s.vars.referenceConstant.read();
    if (v == reference) return k;
    double magnitude = 0;
    if (!scaled(s.vars.magnitude[v].read(), k, s.vars.magnitude[reference].read(), magnitude)) return std::nullopt;
    return magnitude;
}

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
        s.vars.components[v][Axis::Y] = Number::single(round2(y));
        // The direction is taken from the components as their plain text reads back.
        s.vars.direction[v] = Number::dbl(directionAngle(plainDouble(x), plainDouble(y), s.vars.radMode));
    }
    measureAnglesBetween(s.vars);
    convertToReferenceScale(s, unit);
}

}  // namespace

PerAxis<float> measuredComponents(const Line& l) { return {{l.x2 - l.x1, (l.y2 - l.y1) * -1.0f}}; }

void refreshQuantities(FormState& s) { refresh(s, {}); }

CaptionAngle captionAngle(double angle, bool radMode) { return {shownNumber(round2(angle)), angleUnitSuffix(radMode)}; }

void convertToReferenceScale(FormState& s, std::string_view unit) {
    const std::optional<Vec> reference = referenceVector(s);
    const double k = s.vars.referenceConstant.read();
    for (Vec v : kVectors) {
        PerAxis<bool> componentScaled{};
        for (Axis axis : kAxes) {
            Number& comp = s.vars.components[v][axis];
            double c = 0;
            componentScaled[axis] = reference && scaled(comp.read(), k, s.vars.magnitude[*reference].read(), c);
            if (componentScaled[axis]) comp = Number::dbl(round2(c));
        }
        s.label(v).caption = v == reference ? referenceLabelCaption(v, shownNumber(k)) : std::string(facts(v).labelCaption);
        const ShownValues shown = shownValues(s, v);
        const bool magnitudeScaled = reference && magnitudeInScale(s, v, *reference);
        s.menu(vectorMenu(v, VectorItem::Title)).caption =
            vectorCaption(v, inScale(shownNumber(shown.magnitude), magnitudeScaled ? unit : ""),
                          captionAngle(shown.direction, s.vars.radMode).number, s.vars.radMode);
        for (Axis axis : kAxes)
            s.menu(componentItem(v, axis)).caption =
                componentCaption(v, axis, inScale(shownNumber(s.vars.components[v][axis]), componentScaled[axis] ? unit : ""));
    }
}

ShownValues shownValues(const FormState& s, Vec v) {
    const std::optional<Vec> reference = referenceVector(s);
    // A magnitude whose scaling fails is shown as 0.
    const double magnitude = reference ? magnitudeInScale(s, v, *reference).value_or(0) : s.vars.magnitude[v].read();
    const auto asRead = [](const Number& n) {
        return n.kind == Number::Kind::Single ? plainDouble(static_cast<float>(n.value)) : n.value;
    };
    return {round2(magnitude), round2(s.vars.direction[v].read()),
            {{asRead(s.vars.components[v][Axis::X]), asRead(s.vars.components[v][Axis::Y])}}};
}

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
    PerVector<VectorCaptions> captions = captionsOf(withUnit);
    const PerVector<VectorCaptions> asShown = captionsOf(s);
    for (Vec v : kVectors)
        if (s.hides(v)) captions[v] = asShown[v];  // its numbers read "?" there
    return captions;
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
