// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <string>

#include "commands/commands.h"
#include "model/angles.h"
#include "model/numbers.h"

namespace fendrel {

namespace {

constexpr char kCR = '\r';

// "A x B x Cos(AB)=  4200 x  3240 x Cos( 90°)=  .18"
std::string productLine(std::string_view head, double mod1, double mod2, double angle, bool radMode) {
    const double r1 = round2(mod1);
    const double r2 = round2(mod2);
    const double theta = radMode ? angle : angle / kDegreesPerRadian;
    const double product = round2((r1 * r2) * std::cos(theta));
    std::string line(head);
    line += display(r1);
    line += " x ";
    line += display(r2);
    line += " x Cos(";
    line += display(angle);
    line += radMode ? "r" : "\u00B0";
    line += ")= ";
    line += display(product);
    return line;
}

}  // namespace

void productsClick(FormState& s, Host& host, Vec) {
    const Vars& v = s.vars;
    const double a = v.mod[Vec::A].read(), b = v.mod[Vec::B].read(), r = v.mod[Vec::R].read();
    std::string text;
    text += kCR;
    text += productLine("A x B x Cos(AB)= ", a, b, v.between[0].read(), v.radMode);
    text += {kCR, kCR};
    text += productLine("A x R x Cos(AR)= ", a, r, v.between[1].read(), v.radMode);
    text += {kCR, kCR};
    text += productLine("B x R x Cos(BR)= ", b, r, v.between[2].read(), v.radMode);
    text += {kCR, kCR};
    text += "WARNING :";
    text += kCR;
    text += "Results may slightly vary due to precision settings or angle mode (radians/degrees)";
    host.messageBox(text, 0, "PRODUCTS");
}

}  // namespace fendrel
