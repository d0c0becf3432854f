// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

#include "model/keyed_array.h"

// The ids of the window's parts: the vectors, the axes, and the menu tree's elements in the
// order the menu bar shows them. What belongs to each vector is the vector table's
// (model/vector_table.h); what each menu element shows at start-up and what a click on it
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

// Each vector's menu: its title on the menu bar, then its items in the order they are shown.
enum class VectorItem { Title, Magnitude, X, Y, Angle, Lock, Constant };
inline constexpr std::size_t kVectorItemCount = 7;

// The vectors' menus, each as its items stand, then the titles and items of no vector.
enum class Menu {
    SetA, SizeA, Ax, Ay, AngleA, LockA, ca,
    SetB, SizeB, Bx, By, AngleB, LockB, cb,
    SetR, SizeR, Rx, Ry, AngleR, LockR, cr,
    AngleMode, Products, Mode, ModeA, ModeB, Info,
};
inline constexpr std::size_t kMenuCount = static_cast<std::size_t>(Menu::Info) + 1;
template <class T>
using PerMenu = KeyedArray<Menu, T, kMenuCount>;

// The element of the vector's menu that is its `item`.
constexpr Menu vectorMenu(Vec v, VectorItem item) {
    return static_cast<Menu>(static_cast<std::size_t>(v) * kVectorItemCount + static_cast<std::size_t>(item));
}
constexpr Menu componentItem(Vec v, Axis axis) {
    return vectorMenu(v, axis == Axis::X ? VectorItem::X : VectorItem::Y);
}
static_assert(vectorMenu(Vec::B, VectorItem::Title) == Menu::SetB && componentItem(Vec::R, Axis::Y) == Menu::Ry &&
                  vectorMenu(Vec::R, VectorItem::Constant) == Menu::cr,
              "each vector's menu stands as VectorItem lists its items");
// The elements that belong to no vector's menu follow those that do.
inline constexpr std::size_t kVectorMenuCount = kVectors.size() * kVectorItemCount;
static_assert(static_cast<std::size_t>(Menu::AngleMode) == kVectorMenuCount);

}  // namespace fendrel
