// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/figure_texts.h"

#include "commands/products.h"
#include "model/captions.h"
#include "model/numbers.h"
#include "model/refresh.h"
#include "model/shown_number.h"
#include "model/shown_sum.h"
#include "model/translation.h"

namespace fendrel {

std::string directionLabel(const FormState& s, Vec v) {
    const CaptionAngle angle = captionAngle(s.vars.direction[v].read(), s.vars.radMode);
    return withoutLeadingBlank(s.hides(v) ? std::string(kHiddenNumber) : angle.number) + std::string(angle.unit);
}

std::string angleBetweenLabel(const FormState& s) {
    if (s.hides(Vec::A) || s.hides(Vec::B))
        return withoutLeadingBlank(std::string(kHiddenNumber)) + std::string(reportUnit(s.vars.radMode));
    return withoutLeadingBlank(reportAngle(s.vars.anglesBetween[0].read(), s.vars.radMode));
}

std::string componentSumLine(const FormState& s, Axis axis) {
    const auto& components = s.vars.components;
    const Number a = components[Vec::A][axis], b = components[Vec::B][axis], r = components[Vec::R][axis];
    const bool anyHidden = s.hides(Vec::A) || s.hides(Vec::B) || s.hides(Vec::R);
    const auto value = [&](Vec v, Number n) { return withoutLeadingBlank(s.hides(v) ? std::string(kHiddenNumber) : shownNumber(n)); };
    // TRANSLATORS: a line below the values: R's component is the sum of A's and B's, then the
    // numbers the menus show. {r}, {a} and {b} are the components' names ("Rx", "Ax", "Bx"),
    // {sum}, {first} and {second} their values ("Rx = Ax + Bx:  4520 = 1280 + 3240").
    const std::string_view exact = N_("{r} = {a} + {b}:  {sum} = {first} + {second}");
    // TRANSLATORS: the same where the rounded numbers shown do not add up exactly, with the
    // sign for "approximately equal" ("Rx = Ax + Bx:  6.32 ≈ 3.16 + 3.17").
    const std::string_view approximate = N_("{r} = {a} + {b}:  {sum} \u2248 {first} + {second}");
    const auto name = [axis](Vec v) { return std::string(letter(v)) + std::string(kAxisLetters[axis]); };
    return fill(_(anyHidden || addsUpAsShown(a, b, r) ? exact : approximate),
                {{"r", name(Vec::R)},
                 {"a", name(Vec::A)},
                 {"b", name(Vec::B)},
                 {"sum", value(Vec::R, r)},
                 {"first", value(Vec::A, a)},
                 {"second", value(Vec::B, b)}});
}

}  // namespace fendrel
