// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every shown field, changed alone, is one the dump prints differently and the history counts
// as a step; a text of the view alone is a step the dump does not print; what the dump does
// not print otherwise (a number's precision, the lower labels' order) is neither.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "app/form.h"
#include "app/shown_fields.h"
#include "tools/json_dump.h"
#include "tools/script_host.h"

using namespace fendrel;

namespace {

FormState loaded() {
    ScriptHost host;
    Form form(host);
    form.load();
    return form.state();
}

// Changes the shown field numbered `target` (in the walk's order) by the least a person could
// see: the next number (or -0 for a 0), another text, the other flag, another vector.
class ChangeOne {
public:
    ChangeOne(std::size_t target, bool signOfZero) : target_(target), signOfZero_(signOfZero) {}

    template <class Inside>
    void group(std::string_view, Inside inside) {
        inside();
    }
    template <class T>
    void field(std::string_view name, T&& value) {
        if (count_++ != target_) return;
        name_ = name;
        changed_ = change(value);
    }
    void viewText(std::string_view name, std::string& text) {
        viewText_ = viewText_ || count_ == target_;
        field(name, text);
    }

    std::size_t count() const { return count_; }
    bool changed() const { return changed_; }
    bool isViewText() const { return viewText_; }
    const std::string& name() const { return name_; }

private:
    bool change(float& v) { return change(v, [&](float to) { v = to; }); }
    bool change(double& v) { return change(v, [&](double to) { v = to; }); }
    bool change(Number& n) {
        if (n.empty()) {
            n = Number::dbl(0);
            return !signOfZero_;
        }
        return change(n.value);
    }
    template <class F, class Set>
    bool change(F v, Set set) {
        if (signOfZero_) {
            if (v != 0) return false;
            set(-v);
        } else {
            set(std::nextafter(v, F(1e30)));
        }
        return true;
    }
    bool change(int& v) { return !signOfZero_ && ++v; }
    bool change(bool& v) { return !signOfZero_ && ((v = !v), true); }
    bool change(ShownColour<Color> c) { return !signOfZero_ && ((c.value ^= 1), true); }
    bool change(std::string& text) { return !signOfZero_ && (text += " ", true); }
    bool change(Vec& v) { return !signOfZero_ && ((v = v == Vec::A ? Vec::B : Vec::A), true); }
    bool change(std::optional<Vec>& v) { return !signOfZero_ && ((v = v == Vec::A ? Vec::B : Vec::A), true); }
    bool change(std::optional<Task>& t) { return !signOfZero_ && ((t = t ? std::nullopt : std::optional(Task{})), true); }

    std::size_t target_, count_ = 0;
    bool signOfZero_;
    bool changed_ = false, viewText_ = false;
    std::string name_;
};

}  // namespace

TEST(ShownFields, EachChangedAloneIsPrintedAndIsAStep) {
    const FormState start = loaded();
    const std::string shown = stateJson(start);
    std::size_t fields = 0, zeros = 0, viewTexts = 0;
    for (std::size_t target = 0;; ++target) {
        bool any = false;
        for (bool signOfZero : {false, true}) {
            FormState changed = start;
            ChangeOne change(target, signOfZero);
            walkShownFields(change, changed);
            any = any || target < change.count();
            if (!change.changed()) continue;
            (signOfZero ? zeros : change.isViewText() ? viewTexts : fields)++;
            EXPECT_EQ(stateJson(changed) == shown, change.isViewText()) << change.name() << (signOfZero ? " as -0" : "");
            EXPECT_FALSE(sameAsShown(start, changed)) << change.name() << (signOfZero ? " as -0" : "");
            EXPECT_FALSE(sameAsShown(changed, start)) << change.name() << (signOfZero ? " as -0" : "");
        }
        if (!any) break;
    }
    EXPECT_GT(fields, 140u);
    EXPECT_EQ(viewTexts, 1u);  // the unit
    EXPECT_GE(zeros, 3u);  // Ax and By of the start-up figure, and the direction of B
}

TEST(ShownFields, WhatTheDumpDoesNotPrintIsNoChange) {
    const FormState start = loaded();
    FormState changed = start;
    changed.vars.magnitude[Vec::A].kind = Number::Kind::Double;  // its precision
    std::swap(changed.stacking[0], changed.stacking[1]);   // the order of the two lower labels
    EXPECT_TRUE(sameAsShown(start, changed));
    EXPECT_EQ(stateJson(changed), stateJson(start));
}
