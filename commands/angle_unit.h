// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "model/state.h"
#include "model/translation.h"

namespace fendrel {

// The names of the angle units: the title of the angle unit's menu, which names the unit in
// force, and the text of the prompts for a direction.
inline constexpr std::string_view kDegreesName = N_("Degrees");
inline constexpr std::string_view kRadiansName = N_("Radians");
inline std::string_view angleUnitName(bool radians) { return _(radians ? kRadiansName : kDegreesName); }

// Every angle shown and typed from now on in radians, or in degrees, with the title of the
// angle unit's menu naming it; nothing is measured again.
void setAngleUnit(FormState& s, bool radians);

}  // namespace fendrel
