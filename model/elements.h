// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

// The window's named elements: three lines, three labels and the menu tree, in the order
// the menu bar shows them.
namespace fendrel {

enum class Vec { A = 0, B = 1, R = 2 };
inline constexpr std::array<Vec, 3> kVectors{Vec::A, Vec::B, Vec::R};
inline constexpr int index(Vec v) { return static_cast<int>(v); }

enum class Menu {
    SetA, SizeA, Ax, Ay, AngleA, LockA, ca,
    SetB, SizeB, Bx, By, AngleB, LockB, cb,
    SetR, SizeR, Rx, Ry, AngleR, LockR, cr,
    AngleMode, Products, Mode, ModeA, ModeB, Info,
};
inline constexpr int kMenuCount = 27;
inline constexpr int index(Menu m) { return static_cast<int>(m); }

struct MenuDescription {
    Menu id;
    std::string_view name;
    std::optional<Menu> parent;  // none for the menu bar's own titles
};

// In menu-bar order; a title followed by its items.
inline constexpr std::array<MenuDescription, kMenuCount> kMenus{{
    {Menu::SetA, "SetA", {}},        {Menu::SizeA, "SizeA", Menu::SetA}, {Menu::Ax, "Ax", Menu::SetA},
    {Menu::Ay, "Ay", Menu::SetA},    {Menu::AngleA, "AngleA", Menu::SetA}, {Menu::LockA, "LockA", Menu::SetA},
    {Menu::ca, "ca", Menu::SetA},
    {Menu::SetB, "SetB", {}},        {Menu::SizeB, "SizeB", Menu::SetB}, {Menu::Bx, "Bx", Menu::SetB},
    {Menu::By, "By", Menu::SetB},    {Menu::AngleB, "AngleB", Menu::SetB}, {Menu::LockB, "LockB", Menu::SetB},
    {Menu::cb, "cb", Menu::SetB},
    {Menu::SetR, "SetR", {}},        {Menu::SizeR, "SizeR", Menu::SetR}, {Menu::Rx, "Rx", Menu::SetR},
    {Menu::Ry, "Ry", Menu::SetR},    {Menu::AngleR, "AngleR", Menu::SetR}, {Menu::LockR, "LockR", Menu::SetR},
    {Menu::cr, "cr", Menu::SetR},
    {Menu::AngleMode, "AngleMode", {}}, {Menu::Products, "Products", {}},
    {Menu::Mode, "Mode", {}},        {Menu::ModeA, "ModeA", Menu::Mode}, {Menu::ModeB, "ModeB", Menu::Mode},
    {Menu::Info, "Info", {}},
}};

inline constexpr const MenuDescription& describe(Menu m) { return kMenus[static_cast<size_t>(index(m))]; }

// A menu-bar title that has items of its own (a click on it only opens it).
inline bool hasItems(Menu m) {
    for (const auto& d : kMenus)
        if (d.parent == m) return true;
    return false;
}

inline constexpr std::array<std::string_view, 3> kLineNames{"LineA", "LineB", "LineR"};
inline constexpr std::array<std::string_view, 3> kLabelNames{"LabelA", "LabelB", "LabelR"};

// Per-vector elements and letters.
inline constexpr Menu setMenu(Vec v) { return std::array{Menu::SetA, Menu::SetB, Menu::SetR}[static_cast<size_t>(index(v))]; }
inline constexpr Menu constantItem(Vec v) { return std::array{Menu::ca, Menu::cb, Menu::cr}[static_cast<size_t>(index(v))]; }
inline constexpr Menu componentItem(Vec v, int axis /*0 = x, 1 = y*/) {
    return std::array{Menu::Ax, Menu::Ay, Menu::Bx, Menu::By, Menu::Rx, Menu::Ry}[static_cast<size_t>(index(v) * 2 + axis)];
}
inline constexpr std::string_view letter(Vec v) { return std::array{"A", "B", "R"}[static_cast<size_t>(index(v))]; }

std::optional<Menu> menuByName(std::string_view name);
std::optional<Vec> labelByName(std::string_view name);

}  // namespace fendrel
