// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/state.h"

namespace fendrel {

// The least contrast with the background that text needs, and that lines and shapes need.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicsContrast = 3.0;

// The relative luminance of a colour on the sRGB scale, 0 for black to 1 for white.
double relativeLuminance(Color c);

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter colour: 1 for equal colours, 21 at most.
double contrastRatio(Color a, Color b);

// Text of this colour that stands out at least `ratio` (at most 21) from the background:
// the colour itself where it does, otherwise the least mix of it with white (on a dark
// background) or black (on a light one) that does.
Color readableOn(Color text, Color background, double ratio);

}  // namespace fendrel
