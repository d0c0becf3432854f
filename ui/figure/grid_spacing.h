// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace fendrel {

// Neighbouring grid lines are at least this many pixels apart, and less than 80.
inline constexpr double kMinGridPixels = 24.0;

// The distance between grid lines in window units: 1, 2 or 5 times a power of ten caption
// units, the smallest such step that is at least kMinGridPixels pixels long (so it is also
// at most 2.5 times that). The caption scale may be of any size or sign; one that is zero or
// not finite counts as 1. Empty only for a units-per-pixel that is not positive and finite.
std::optional<double> gridSpacing(double windowUnitsPerPixel, double captionUnitsPerWindowUnit);

}  // namespace fendrel
