// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/form.h"
#include "model/state.h"
#include "tools/script_host.h"

namespace fendrel {

// The whole window as the student sees it (a hidden vector's numbers read "?"), the task's
// progress, how far Undo and Redo can go, its file, and the dialogs shown since the last
// dump, as one line of JSON.
std::string dumpJson(const Form& form, const std::vector<DialogRecord>& dialogs);

// The window alone, as the dump shows it without the dialogs, the history and the file, and
// with its task (if any) as just begun.
std::string stateJson(const FormState& s);

// The shortest decimal text that reads back as the same double.
std::string jsonNumber(double v);

}  // namespace fendrel
