// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/state.h"

namespace fendrel {

// The outline drawn around the selected vector's label while the figure has the keyboard
// focus. White stands out at least 10:1 from each start-up background.
inline constexpr Color kFocusRingColor = 0xFFFFFF;
inline constexpr int kFocusRingWidth = 2;  // logical pixels, drawn just outside the label

}  // namespace fendrel
