// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/state.h"

namespace fendrel {

// Every angle shown and typed from now on in radians, or in degrees, with the title of the
// angle unit's menu naming it; nothing is measured again.
void setAngleUnit(FormState& s, bool radians);

}  // namespace fendrel
