// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/keyed_array.h"

// The window's named elements: three lines, three labels and the menu tree, in the order
// the menu bar shows them. What each menu element shows at start-up and what a click on it
// runs is the element table's (app/element_table.h).
namespace fendrel {

enum class Vec { A, B, R };
inline constexpr std::array<Vec, 3> kVectors{Vec::A, Vec::B, Vec::R};
template <class T>
using PerVector = KeyedArray<Vec, T, 3>;

enum class Axis { X, Y };  // y positive upwards, as the components are shown and typed
inline constexpr std::array<Axis, 2> kAxes{Axis::X, Axis::Y};
template <class T>
using PerAxis = KeyedArray<Axis, T, 2>;

enum class Menu {
    SetA, SizeA, Ax, Ay, AngleA, LockA, ca,
    SetB, SizeB, Bx, By, AngleB, LockB, cb,
    SetR, SizeR, Rx, Ry, AngleR, LockR, cr,
    AngleMode, Products, Mode, ModeA, ModeB, Info,
};
inline constexpr std::size_t kMenuCount = 27;
template <class T>
using PerMenu = KeyedArray<Menu, T, kMenuCount>;

inline constexpr PerVector<std::string_view> kLineNames{"LineA", "LineB", "LineR"};
inline constexpr PerVector<std::string_view> kLabelNames{"LabelA", "LabelB", "LabelR"};
inline constexpr PerVector<std::string_view> kLetters{"A", "B", "R"};
inline constexpr PerAxis<std::string_view> kAxisLetters{"x", "y"};

// The menu elements of each vector that the logic itself refers to.
inline constexpr PerVector<Menu> kSetMenus{Menu::SetA, Menu::SetB, Menu::SetR};
inline constexpr PerVector<Menu> kConstantItems{Menu::ca, Menu::cb, Menu::cr};
inline constexpr PerVector<PerAxis<Menu>> kComponentItems{
    PerAxis<Menu>{Menu::Ax, Menu::Ay}, PerAxis<Menu>{Menu::Bx, Menu::By}, PerAxis<Menu>{Menu::Rx, Menu::Ry}};

std::optional<Vec> labelByName(std::string_view name);

}  // namespace fendrel
