// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/history.h"
#include "model/state.h"
#include "tools/script_host.h"

namespace fendrel {

// The whole window, how far Undo and Redo can go, and the dialogs shown since the last
// dump, as one line of JSON.
std::string dumpJson(const FormState& s, const History& history, const std::vector<DialogRecord>& dialogs);

// The shortest decimal text that reads back as the same double.
std::string jsonNumber(double v);

}  // namespace fendrel
