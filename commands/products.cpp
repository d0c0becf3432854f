// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <string>

#include "commands/commands.h"
#include "model/angles.h"
#include "model/numbers.h"
#include "model/translation.h"

namespace fendrel {

namespace {

constexpr char kCR = '\r';

// "A x B x Cos(AB)=  4200 x  3240 x Cos( 90°)=  .18"
std::string productLine(Vec first, Vec second, double mod1, double mod2, double angle, bool radMode) {
    const double r1 = round2(mod1);
    const double r2 = round2(mod2);
    const double theta = radMode ? angle : angle / kDegreesPerRadian;
    const double product = round2((r1 * r2) * std::cos(theta));
    // TRANSLATORS: one line of the scalar products report, "A x B x Cos(AB)=  4200 x  3240 x
    // Cos( 90°)=  .18": {first} and {second} are two vectors' letters, {firstMagnitude} and
    // {secondMagnitude} their magnitudes, {angle} the angle between them and {unit} its unit
    // as translated below, {product} the scalar product. Each number has a blank before it
    // unless negative.
    return fill(_("{first} x {second} x Cos({first}{second})= {firstMagnitude} x {secondMagnitude} x "
                  "Cos({angle}{unit})= {product}"),
                {{"first", letter(first)},
                 {"second", letter(second)},
                 {"firstMagnitude", shownNumber(r1)},
                 {"secondMagnitude", shownNumber(r2)},
                 {"angle", shownNumber(angle)},
                 // TRANSLATORS: the unit after an angle of the products report, in radians.
                 {"unit", radMode ? _(C_("radians in the products report", "r"))
                                  : _(C_("degrees in the products report", "\u00B0"))},
                 {"product", shownNumber(product)}});
}

}  // namespace

void productsClick(FormState& s, Host& host, Vec) {
    const Vars& v = s.vars;
    const double a = v.mod[Vec::A].read(), b = v.mod[Vec::B].read(), r = v.mod[Vec::R].read();
    std::string text;
    text += kCR;
    text += productLine(Vec::A, Vec::B, a, b, v.between[0].read(), v.radMode);
    text += {kCR, kCR};
    text += productLine(Vec::A, Vec::R, a, r, v.between[1].read(), v.radMode);
    text += {kCR, kCR};
    text += productLine(Vec::B, Vec::R, b, r, v.between[2].read(), v.radMode);
    text += {kCR, kCR};
    text += _("WARNING :");
    text += kCR;
    text += _("Results may slightly vary due to precision settings or angle mode (radians/degrees)");
    // TRANSLATORS: the title of the scalar products report.
    host.messageBox(text, 0, _("PRODUCTS"));
}

}  // namespace fendrel
