// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "app/element_table.h"
#include "model/state.h"

// Every field of the window that a person can see, and the scenario driver's dump prints:
// walked once, in the dump's order and by the dump's names. The dump prints what the walk
// gives; the history counts a step where two states differ in any of it; a lesson records
// where the quantities were measured when a refresh would not give them back. Beside them,
// the texts only the window's view shows: a step and a lesson keep them, the dump does not.
namespace fendrel {

// The names the dump gives the per-window variables.
inline constexpr PerVector<std::string_view> kMagnitudeNames{"modA", "modB", "modR"};
inline constexpr PerVector<PerAxis<std::string_view>> kComponentNames{
    PerAxis<std::string_view>{"compAx", "compAy"}, PerAxis<std::string_view>{"compBx", "compBy"},
    PerAxis<std::string_view>{"compRx", "compRy"}};
inline constexpr PerVector<std::string_view> kDirectionNames{"angA", "angB", "angR"};
inline constexpr std::array<std::string_view, 3> kAngleBetweenNames{"angAB", "angAR", "angBR"};
inline constexpr PerVector<std::string_view> kColourNames{"colA", "colB", "colR"};

// A colour as the window holds it, red in the low byte (a number, where other integers are
// counts and sizes).
template <class C>
struct ShownColour {
    C& value;
};
template <class C>
ShownColour(C&) -> ShownColour<C>;

// Calls `visit` for every shown field, with that field of each of `states` (one state to
// print it, two to compare them; the states may be changed through what is passed):
//   visit.group(name, inside)   a group of fields ("window", "lines", "LineA", ...); inside()
//                               walks its fields
//   visit.field(name, value...) one field, whose values are float (a coordinate), double,
//                               int, bool, ShownColour<Color>, Number (which may be empty),
//                               std::string, Vec (the label on top) or std::optional<Vec>
//                               (the selected vector), const where the states are
//   visit.viewText(name, text...) a text of the view alone, a std::string: no dump prints it
template <class Visit, class... State>
void walkShownFields(Visit& visit, State&... s) {
    visit.group("window", [&] {
        visit.field("caption", s.caption...);
        visit.field("backColor", ShownColour{s.backColor}...);
    });
    visit.group("lines", [&] {
        for (Vec v : kVectors)
            visit.group(facts(v).lineName, [&] {
                visit.field("x1", s.line(v).x1...);
                visit.field("y1", s.line(v).y1...);
                visit.field("x2", s.line(v).x2...);
                visit.field("y2", s.line(v).y2...);
                visit.field("color", ShownColour{s.line(v).color}...);
                visit.field("width", s.line(v).width...);
            });
    });
    visit.group("labels", [&] {
        for (Vec v : kVectors)
            visit.group(facts(v).labelName, [&] {
                visit.field("left", s.label(v).left...);
                visit.field("top", s.label(v).top...);
                visit.field("caption", s.label(v).caption...);
                visit.field("tooltip", s.label(v).tooltip...);
                visit.field("foreColor", ShownColour{s.label(v).foreColor}...);
                visit.field("backColor", ShownColour{s.label(v).backColor}...);
                visit.field("bold", s.label(v).bold...);
                visit.field("size", s.label(v).size...);
            });
    });
    // Of the stacking, only the label on top shows: it is the one a click reaches.
    visit.field("topLabel", s.stacking.back()...);
    visit.group("menus", [&] {
        for (const Element& e : elements())
            visit.group(e.name, [&] {
                visit.field("caption", s.menu(e.id).caption...);
                visit.field("enabled", s.menu(e.id).enabled...);
                visit.field("checked", s.menu(e.id).checked...);
            });
    });
    visit.group("vars", [&] {
        for (Vec v : kVectors) visit.field(kMagnitudeNames[v], s.vars.magnitude[v]...);
        for (Vec v : kVectors)
            for (Axis axis : kAxes) visit.field(kComponentNames[v][axis], s.vars.components[v][axis]...);
        visit.field("kConst", s.vars.referenceConstant...);
        visit.field("curVec", s.vars.selected...);
        visit.field("radMode", s.vars.radMode...);
        for (Vec v : kVectors) visit.field(kDirectionNames[v], s.vars.direction[v]...);
        for (std::size_t i = 0; i < kAngleBetweenNames.size(); ++i)
            visit.field(kAngleBetweenNames[i], s.vars.anglesBetween[i]...);
        for (Vec v : kVectors) visit.field(kColourNames[v], s.vars.colour[v]...);
    });
    visit.viewText("unit", s.unit...);
    visit.field("task", s.task...);
}

// Whether two states look exactly alike in every shown field and view text: -0 and 0 differ
// (the dump prints them apart), a number's precision does not.
bool sameAsShown(const FormState& a, const FormState& b);

}  // namespace fendrel
