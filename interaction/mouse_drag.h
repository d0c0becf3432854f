// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/state.h"

namespace fendrel {

// Pointer movement over the window: button 1 alone drags the selected tip, button 2 alone
// moves the whole figure, anything else does nothing. The shift state is not used.
void formMouseMove(FormState& s, int button, int shift, float x, float y);

}  // namespace fendrel
