// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <string_view>

#include "commands/commands.h"
#include "commands/products.h"
#include "model/captions.h"
#include "model/numbers.h"
#include "model/refresh.h"
#include "model/shown_number.h"
#include "model/translation.h"

namespace fendrel {

namespace {

constexpr char kCR = '\r';

// The scalar product of two vectors, from their components as the last refresh measured
// them (single precision, widened exactly) and not from the rounded captions, so that
// perpendicular vectors give 0.
double scalarProduct(const FormState& s, Vec first, Vec second) {
    const PerAxis<float> a = measuredComponents(s.measured[first]);
    const PerAxis<float> b = measuredComponents(s.measured[second]);
    return round2(static_cast<double>(a[Axis::X]) * b[Axis::X] + static_cast<double>(a[Axis::Y]) * b[Axis::Y]);
}

// "A x B x Cos(AB)=  4200 x  3240 x Cos( 90°)=  0"; each number about a hidden vector "?".
std::string productLine(const FormState& s, Vec first, Vec second, double angle) {
    const Vars& v = s.vars;
    const auto magnitude = [&](Vec w) { return s.hides(w) ? std::string(kHiddenNumber) : shownNumber(round2(v.magnitude[w].read())); };
    const bool either = s.hides(first) || s.hides(second);
    // TRANSLATORS: one line of the scalar products report, "A x B x Cos(AB)=  4200 x  3240 x
    // Cos( 90°)=  0": {first} and {second} are two vectors' letters, {firstMagnitude} and
    // {secondMagnitude} their magnitudes, {angle} the angle between them and {unit} its unit
    // as translated below, {product} the scalar product. Each number has a blank before it
    // unless negative.
    return fill(_("{first} x {second} x Cos({first}{second})= {firstMagnitude} x {secondMagnitude} x "
                  "Cos({angle}{unit})= {product}"),
                {{"first", letter(first)},
                 {"second", letter(second)},
                 {"firstMagnitude", magnitude(first)},
                 {"secondMagnitude", magnitude(second)},
                 {"angle", either ? std::string(kHiddenNumber) : shownNumber(angle)},
                 {"unit", reportUnit(v.radMode)},
                 {"product", either ? std::string(kHiddenNumber) : shownNumber(scalarProduct(s, first, second))}});
}

}  // namespace

std::string_view reportUnit(bool radMode) {
    // TRANSLATORS: the unit after an angle of the products report, in radians.
    return radMode ? _(C_("radians in the products report", "r")) : _(C_("degrees in the products report", "\u00B0"));
}

std::string reportAngle(double angle, bool radMode) { return shownNumber(angle) + std::string(reportUnit(radMode)); }

void productsClick(FormState& s, Host& host, Vec) {
    const Vars& v = s.vars;
    std::string text;
    text += kCR;
    text += productLine(s, Vec::A, Vec::B, v.anglesBetween[0].read());
    text += {kCR, kCR};
    text += productLine(s, Vec::A, Vec::R, v.anglesBetween[1].read());
    text += {kCR, kCR};
    text += productLine(s, Vec::B, Vec::R, v.anglesBetween[2].read());
    text += {kCR, kCR};
    text += _("WARNING :");
    text += kCR;
    text += _("Results may slightly vary due to precision settings or angle mode (radians/degrees)");
    // TRANSLATORS: the title of the scalar products report.
    host.messageBox(text, 0, _("PRODUCTS"));
}

}  // namespace fendrel
