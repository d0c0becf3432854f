// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/host.h"
#include "model/state.h"

namespace fendrel {

// The window as it is created, before its load handler runs.
FormState initialForm();

// The load handler: seeds the random generator, brings LabelB to the front, selects A,
// picks one of three backgrounds, records the arrow colours and runs the first refresh.
void formLoad(FormState& s, Host& host);

}  // namespace fendrel
