// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "model/state.h"

// Writing a task from the figure the teacher has arranged: the window's Task menu.
namespace fendrel {

// The goal of a reach task for the vector as the figure shows it now: its shown magnitude
// and direction (in the angle unit shown) or its shown components.
Goal goalAsShown(const FormState& s, Vec v, Goal::Form form);

// A task to start writing from: R to be reached as the figure shows it, by moving B.
Task taskFromFigure(const FormState& s);

// Why a lesson of the figure could not carry the task, in the words a refused file is told
// with; nothing when it could.
std::optional<std::string> taskProblem(FormState figure, const Task& t);

}  // namespace fendrel
