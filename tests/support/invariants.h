// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/state.h"

namespace fendrel::testing {

// What must hold after any event, however hostile: every number finite, every end point
// within the coordinate limit. Returns a description of the first violation, or "".
std::string checkSoundness(const FormState& s);

// After an event that ended with a refresh: every caption and derived value equals what a
// fresh refresh of the same lines gives. Returns the first difference, or "".
std::string checkRefreshed(const FormState& s);

// R = A + B as vectors, up to the single precision the end points are stored in.
std::string checkResultant(const FormState& s);

}  // namespace fendrel::testing
