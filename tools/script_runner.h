// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

namespace fendrel {

// Runs a scenario script over the scripted host. Dumps go to `out`, errors to `err` as
// "line N: reason". Returns the exit status: 0; 1 when the script cannot be read or a dump
// cannot be written; 2 for a bad script; 3 for a prompt that found no queued answer.
int runScript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace fendrel
