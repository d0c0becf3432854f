// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which differences between two states the history counts as a change: exactly those the
// driver's dump would print differently.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>

#include "app/form.h"
#include "app/same_as_shown.h"
#include "tools/script_host.h"

using namespace fendrel;

namespace {

FormState loaded() {
    ScriptHost host;
    Form form(host);
    form.load();
    return form.state();
}

struct Change {
    const char* what;
    std::function<void(FormState&)> apply;
    bool shows;
};

}  // namespace

TEST(SameAsShown, CountsExactlyWhatTheDumpPrints) {
    const Change changes[] = {
        {"nothing", [](FormState&) {}, false},
        {"a number's precision", [](FormState& s) { s.vars.mod[Vec::A].kind = Number::Kind::Double; }, false},
        {"the order of the two lower labels", [](FormState& s) { std::swap(s.stacking[0], s.stacking[1]); }, false},
        {"the top label", [](FormState& s) { std::swap(s.stacking[1], s.stacking[2]); }, true},
        {"0 to -0 in a variable", [](FormState& s) { s.vars.comp[Vec::A][Axis::X] = Number::dbl(-0.0); }, true},
        {"an empty variable set to 0", [](FormState& s) { s.vars.kConst = Number::single(0); }, true},
        {"the smallest step of an end point", [](FormState& s) { s.line(Vec::R).x2 = std::nextafter(s.line(Vec::R).x2, 0.0f); }, true},
        {"a label's font size", [](FormState& s) { s.label(Vec::B).size = 10; }, true},
        {"a tooltip", [](FormState& s) { s.label(Vec::R).tooltip += " "; }, true},
        {"a menu check mark", [](FormState& s) { s.menu(Menu::ModeB).checked = !s.menu(Menu::ModeB).checked; }, true},
        {"the selection", [](FormState& s) { s.vars.curVec = 2; }, true},
        {"the angle unit", [](FormState& s) { s.vars.radMode = true; }, true},
        {"the background", [](FormState& s) { s.backColor = 0x800000; }, true},
    };
    const FormState start = loaded();
    for (const Change& c : changes) {
        FormState changed = start;
        c.apply(changed);
        EXPECT_EQ(!sameAsShown(start, changed), c.shows) << c.what;
        EXPECT_EQ(!sameAsShown(changed, start), c.shows) << c.what;
    }
}
