// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/state.h"

namespace fendrel {

// The two angle literals: deliberately not the exact values, every shown angle depends on them.
inline constexpr double kPi = 3.141592654;
inline constexpr double kDegreesPerRadian = 57.29578;

// Direction of the vector (x, y), y up, counter-clockwise from +x over a full turn,
// in degrees or radians; the zero vector points straight down.
double directionAngle(double x, double y, bool radMode);

// The three angles between the vectors, from the stored directions.
void measureAnglesBetween(Vars& vars);

}  // namespace fendrel
