// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/state.h"

namespace fendrel {

// Whether two states look exactly alike: every element and variable as the driver's dump
// writes it (so -0 and 0 differ, a number's precision does not, and of the label stacking
// only the label on top counts).
bool sameAsShown(const FormState& a, const FormState& b);

}  // namespace fendrel
