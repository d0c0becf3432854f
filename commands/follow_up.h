// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/state.h"

namespace fendrel {

// After a command moved the tip of `edited`: the other arrow follows so that R = A + B,
// B is re-placed in Mode B, and every quantity is refreshed. A component command of B
// moves R only on the axis it edited.
void followUpAndRefresh(FormState& s, Vec edited, bool x = true, bool y = true);

}  // namespace fendrel
