// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_description.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "model/refresh.h"

namespace fendrel {

namespace {

struct InitialMenu {
    Menu id;
    std::string_view caption;  // vector menus and component items get theirs from the refresh
    bool enabled = true;
    bool checked = false;
};

constexpr std::array<InitialMenu, kMenuCount> kInitialMenus{{
    {Menu::SetA, "A"}, {Menu::SizeA, "A"}, {Menu::Ax, "Ax"}, {Menu::Ay, "Ay"},
    {Menu::AngleA, "Angle"}, {Menu::LockA, "Lock A"}, {Menu::ca, "A constant"},
    {Menu::SetB, "B"}, {Menu::SizeB, "B"}, {Menu::Bx, "Bx"}, {Menu::By, "By"},
    {Menu::AngleB, "Angle"}, {Menu::LockB, "Lock B"}, {Menu::cb, "B constant"},
    {Menu::SetR, "R", false}, {Menu::SizeR, "R"}, {Menu::Rx, "Rx"}, {Menu::Ry, "Ry"},
    {Menu::AngleR, "Angle"}, {Menu::LockR, "Lock R"}, {Menu::cr, "R constant"},
    {Menu::AngleMode, "Degrees"},
    {Menu::Products, "Products"},
    {Menu::Mode, "Mode"}, {Menu::ModeA, "Mode A", true, true}, {Menu::ModeB, "Mode B"},
    {Menu::Info, "Info"},
}};

}  // namespace

FormState initialForm() {
    FormState s;
    s.caption = "Fendrel";
    s.backColor = 0x000080;
    s.lines = {{
        {3720, 5040, 3720, 840, 0x8080FF, 3},
        {3720, 5040, 6960, 5040, 0x00FF00, 3},
        {3720, 5040, 6840, 600, 0x00FFFF, 3},
    }};
    s.labels = {{
        {3600, 480, "A", "", 0x8080FF, 0x800000, true, 12},
        {6960, 4920, "B", "", 0x00FF00, 0x800000, false, 9.75},
        {6840, 480, "R ", "", 0x00FFFF, 0x800000, false, 9.75},
    }};
    s.stacking = {Vec::A, Vec::B, Vec::R};
    for (const InitialMenu& m : kInitialMenus) s.menu(m.id) = {std::string(m.caption), m.enabled, m.checked};
    return s;
}

void formLoad(FormState& s, Host& host) {
    constexpr std::array<Color, 3> kBackgrounds{0x404040, 0x800000, 0x000080};
    host.randomize();
    s.bringToFront(Vec::B);
    s.vars.curVec = 1;
    const int choice = static_cast<int>(std::floor(host.rnd() * 3.0f)) + 1;
    const Color background = kBackgrounds[static_cast<size_t>(choice - 1)];
    s.backColor = background;
    for (Label& l : s.labels) l.backColor = background;
    for (Vec v : kVectors) s.vars.col[static_cast<size_t>(index(v))] = Number::dbl(s.line(v).color);
    grandezze(s);
}

}  // namespace fendrel
