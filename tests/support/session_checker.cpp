// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/session_checker.h"

#include <algorithm>

#include "app/element_table.h"
#include "tests/support/invariants.h"
#include "tools/json_dump.h"

namespace fendrel::testing {

namespace {

bool allSetButConstant(const Vars& v) {
    auto set = [](const Number& n) { return !n.empty(); };
    auto componentsSet = [&](const PerAxis<Number>& c) { return std::all_of(c.begin(), c.end(), set); };
    return std::all_of(v.magnitude.begin(), v.magnitude.end(), set) && std::all_of(v.components.begin(), v.components.end(), componentsSet) &&
           std::all_of(v.direction.begin(), v.direction.end(), set) && std::all_of(v.anglesBetween.begin(), v.anglesBetween.end(), set) &&
           std::all_of(v.colour.begin(), v.colour.end(), set) && v.selected.has_value();
}

bool labelsOnTips(const FormState& s) {
    return std::all_of(kVectors.begin(), kVectors.end(),
                       [&](Vec v) { return s.label(v).left == s.line(v).x2 && s.label(v).top == s.line(v).y2; });
}

// A and R start at the origin; B starts there in Mode A and at A's tip in Mode B.
bool tailsInPlace(const FormState& s) {
    const Line& a = s.line(Vec::A);
    const Line& b = s.line(Vec::B);
    const Line& r = s.line(Vec::R);
    const bool bTail = s.modeB() ? b.x1 == a.x2 && b.y1 == a.y2 : b.x1 == a.x1 && b.y1 == a.y1;
    return r.x1 == a.x1 && r.y1 == a.y1 && bTail;
}

bool tipsMoved(const FormState& before, const FormState& after) {
    return std::any_of(kVectors.begin(), kVectors.end(), [&](Vec v) {
        return before.line(v).x2 != after.line(v).x2 || before.line(v).y2 != after.line(v).y2;
    });
}

Shown shownBy(const FormState& s) {
    Shown out;
    for (const Element& e : elements()) out.menuCaptions[e.id] = s.menu(e.id).caption;
    for (Vec v : kVectors) {
        out.labelCaptions[v] = s.label(v).caption;
        out.tooltips[v] = s.label(v).tooltip;
    }
    out.vars = s.vars;
    out.vars.selected.reset();
    return out;
}

std::string brokenShape(const FormState& s) {
    if (auto problem = checkSoundness(s); !problem.empty()) return problem;
    if (!labelsOnTips(s)) return "a name label is not on its line's tip";
    if (!tailsInPlace(s)) return "a tail is not where the layout puts it";
    return "";
}

}  // namespace

std::string SessionChecker::checkLoaded(const FormState& s) {
    if (auto problem = brokenShape(s); !problem.empty()) return problem;
    if (!allSetButConstant(s.vars)) return "a variable is still empty after the load";
    if (auto problem = checkRefreshed(s); !problem.empty()) return "after the load: " + problem;
    shown_ = shownBy(s);
    historyStart_ = stateJson(s);
    return "";
}

std::string SessionChecker::checkEvent(const Event& e, const FormState& before, const FormState& after) {
    if (auto problem = brokenShape(after); !problem.empty()) return problem;
    switch (e.kind) {
        case Event::Kind::New: return checkLoaded(after);
        case Event::Kind::Open: return checkOpened(e.text, before, after);
        case Event::Kind::Undo: case Event::Kind::Redo: shown_ = shownBy(after); return "";
        case Event::Kind::Save: saved_[e.text] = stateJson(after); break;
        default: break;
    }
    if (leavesStateAsItIs(e) && after != before) return scriptLine(e) + " changed the window";
    if (endsWithRefresh(e) && after != before) {
        if (auto problem = checkRefreshed(after); !problem.empty()) return "after a refresh: " + problem;
        if (tipsMoved(before, after) && !movesOneAxisOfR(e))
            if (auto problem = checkResultant(after); !problem.empty()) return problem;
        shown_ = shownBy(after);
        return "";
    }
    if (shownBy(after) != shown_) return "a handler without refresh changed a caption or a variable";
    return "";
}

void SessionChecker::knowLesson(const std::string& path, const FormState& s) { saved_[path] = stateJson(s); }

std::string SessionChecker::checkOpened(const std::string& path, const FormState& before, const FormState& after) {
    const auto saved = saved_.find(path);
    if (saved == saved_.end()) return after == before ? "" : "opening a file that is not there changed the window";
    const std::string opened = stateJson(after);
    if (opened != saved->second) return "the lesson opened is not the window saved: " + opened + " instead of " + saved->second;
    shown_ = shownBy(after);
    historyStart_ = opened;
    return "";
}

}  // namespace fendrel::testing
