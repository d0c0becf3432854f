// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/host.h"
#include "model/state.h"

namespace fendrel {

// The window's background, and the name labels' with it, so that they blend in.
void paintBackground(FormState& s, Color background);

// Keeps each arrow's colour as created, for the reference vector's white to give way to.
void recordArrowColours(FormState& s);

// The load handler: seeds the random generator, brings LabelB to the front, selects A,
// picks one of three backgrounds, records the arrow colours and runs the first refresh.
void formLoad(FormState& s, Host& host);

}  // namespace fendrel
