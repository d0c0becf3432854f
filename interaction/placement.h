// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/state.h"

// The moves that keep R = A + B after one tip has moved, and the colours of the arrows.
namespace fendrel {

// Repaints arrows and labels in their own colours, the reference vector in white.
void applyVectorColours(FormState& s);

// Draws B head-to-tail, from A's tip to R's tip, and moves its label there.
void placeBHeadToTail(FormState& s);

// R's tip <- A's tip + B's extent (y first).
void resultantFollowsA(FormState& s);

// R's tip <- B's tip + A's extent, on the axes asked for (y first).
void resultantFollowsB(FormState& s, bool x, bool y);

// After R's tip moved: B gives way while A is locked, A otherwise (y first).
void yieldToResultant(FormState& s);

}  // namespace fendrel
