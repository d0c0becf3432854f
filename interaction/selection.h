// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/state.h"

namespace fendrel {

// A click on a vector's name label selects it for dragging, unless it is locked.
void labelClick(FormState& s, Vec v);

// "Lock A/B/R": locks that vector (its menu disabled) and unlocks the other two.
void lockClick(FormState& s, Vec v);

}  // namespace fendrel
