// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/host.h"
#include "model/state.h"

// Check on the lesson's task: what the window's Check button and the driver's `check` run.
namespace fendrel {

struct Verdict {
    std::vector<std::string> lines;  // one a quantity, in the task's order
    bool allRight = false;
};

// The verdict on the figure as it stands. A reach task compares the shown values of its
// vector with its goal; a predict task asks for each predicted value in turn and compares
// each answer with the value shown once the vector is no longer hidden. Magnitudes and
// components are right within their tolerance (by default 1 % of the goal's magnitude, or
// for a prediction of the vector's, and at least 0.01), directions within theirs (1° by
// default) the shorter way round. Nothing when a prompt is cancelled or its answer is
// refused (a message box says why, as for every typed answer).
std::optional<Verdict> checkTask(const FormState& s, Host& host);

// "Solved in 2 attempts."
std::string solvedText(int attempts);

}  // namespace fendrel
