// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/state.h"

// The texts the figure draws about the vectors and the sum lines of the values panel: each
// kind of text is made here, from the state, and nowhere else, so that whatever changes how
// a number is shown changes it on the figure, in the panel and in what assistive
// technology reads alike.
namespace fendrel {

// Each number of a vector the state's task hides reads "?" in all of them.

// A vector's direction as its caption shows it, without the blank before the number
// ("90°", "1.57 r").
std::string directionLabel(const FormState& s, Vec v);

// The angle between A and B as the products report writes it, without the blank before the
// number ("90°", "1.57r").
std::string angleBetweenLabel(const FormState& s);

// R's component as the sum of A's and B's, from the numbers the captions show:
// "Rx = Ax + Bx:  4520 = 1280 + 3240", with "≈" for the "=" between the numbers where the
// shown parts do not add up exactly to the shown sum.
std::string componentSumLine(const FormState& s, Axis axis);

}  // namespace fendrel
