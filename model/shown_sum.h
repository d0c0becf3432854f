// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/number.h"

namespace fendrel {

// Whether the numbers as the display format writes them add up exactly: first + second is
// sum, digit for digit, with no rounding anywhere (" 1280" +  " 3240" is " 4520", but
// " 1.01" + " 2.01" is not " 3.01"). A number that is not finite adds up to nothing.
bool addsUpAsShown(Number first, Number second, Number sum);

}  // namespace fendrel
