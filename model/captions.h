// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "model/elements.h"

// The texts that show a vector's numbers, each made in this one place from the numbers as
// they are shown (shownNumber: a blank before each unless negative). The refresh writes them
// from the measured quantities; a task that hides a vector writes them with kHiddenNumber.
namespace fendrel {

// What stands for each number of a vector the task hides.
inline constexpr std::string_view kHiddenNumber = " ?";

// What follows an angle of the vectors' menus in its unit: " r" in radians, "°" in degrees.
std::string_view angleUnitSuffix(bool radMode);

// " 30 N": a number shown in the reference scale, with the scale's unit when it has one.
std::string inScale(std::string number, std::string_view unit);

// "A= 4200, 90°": the title of a vector's menu.
std::string vectorCaption(Vec v, std::string_view magnitude, std::string_view angle, bool radMode);

// "Ay=-3240": a component item.
std::string componentCaption(Vec v, Axis axis, std::string_view value);

// The reference vector's label, its declared magnitude: R's keeps the blank before the
// number, as the display format writes it ("R" is drawn with a blank after it too).
std::string referenceLabelCaption(Vec reference, std::string_view constant);

}  // namespace fendrel
