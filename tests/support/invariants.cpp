// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/invariants.h"

#include <algorithm>
#include <cmath>

#include "app/element_table.h"
#include "model/refresh.h"

namespace fendrel::testing {

std::string checkSoundness(const FormState& s) {
    if (!coordinatesInRange(s)) return "an end point is not finite or beyond the coordinate limit";
    for (Vec v : kVectors) {
        const Label& lab = s.label(v);
        if (!std::isfinite(lab.left) || !std::isfinite(lab.top)) return std::string(facts(v).labelName) + " not finite";
    }
    const Vars& vars = s.vars;
    auto finite = [](const auto& numbers) {
        return std::all_of(numbers.begin(), numbers.end(), [](const Number& n) { return std::isfinite(n.value); });
    };
    const bool componentsFinite =
        std::all_of(vars.components.begin(), vars.components.end(), [&](const PerAxis<Number>& c) { return finite(c); });
    if (!finite(vars.magnitude) || !componentsFinite || !finite(vars.direction) || !finite(vars.anglesBetween) ||
        !std::isfinite(vars.referenceConstant.value))
        return "a variable is not finite";
    for (const MenuElement& m : s.menus)
        if (m.caption.find("inf") != std::string::npos || m.caption.find("nan") != std::string::npos)
            return "caption \"" + m.caption + "\"";
    return "";
}

std::string checkRefreshed(const FormState& s) {
    FormState fresh = s;
    refreshQuantities(fresh);
    for (const Element& e : elements())
        if (fresh.menu(e.id).caption != s.menu(e.id).caption)
            return std::string(e.name) + ": \"" + s.menu(e.id).caption + "\" instead of \"" + fresh.menu(e.id).caption + "\"";
    for (Vec v : kVectors)
        if (!(fresh.label(v) == s.label(v))) return std::string(facts(v).labelName) + " differs from a fresh refresh";
    if (!(fresh.vars == s.vars)) return "variables differ from a fresh refresh";
    return "";
}

std::string checkResultant(const FormState& s) {
    const Line &a = s.line(Vec::A), &b = s.line(Vec::B), &r = s.line(Vec::R);
    double largest = 1;
    for (const Line& l : s.lines)
        for (float c : {l.x1, l.y1, l.x2, l.y2}) largest = std::max(largest, std::fabs(static_cast<double>(c)));
    // Each stored coordinate carries up to half a unit in the last place of a float.
    const double tolerance = 8 * largest * 0x1p-24;
    auto extent = [](const Line& l, bool x) { return x ? double(l.x2) - l.x1 : double(l.y2) - l.y1; };
    for (bool x : {true, false}) {
        const double gap = extent(r, x) - extent(a, x) - extent(b, x);
        if (std::fabs(gap) > tolerance) return std::string("R - (A + B) is ") + std::to_string(gap) + (x ? " in x" : " in y");
    }
    return "";
}

}  // namespace fendrel::testing
