// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace fendrel {

// An angle between two vectors as the products report writes it: the stored angle in the
// display format with the language's separator, and its unit right after it (" 90°", " 1.57r").
std::string reportAngle(double angle, bool radMode);

// "°", or "r" for radians: written right after each angle of the report.
std::string_view reportUnit(bool radMode);

}  // namespace fendrel
