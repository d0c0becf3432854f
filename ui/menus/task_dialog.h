// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "model/state.h"

class QWidget;

namespace fendrel {

// The dialog a teacher writes a task in, starting from `start`: its kind and instruction;
// for a task to reach, its vector, the goal (magnitude and direction, or components: the
// vector's values as the figure shows them whenever the vector or the form is chosen, and
// editable) and the tolerances; which vectors the student may move and which are hidden,
// and which values of a hidden vector are to be predicted; whether the student may reveal
// them. OK is enabled only for a task a lesson of the figure can carry; below the choices
// the dialog says why not. The task written, or nothing when the dialog is cancelled.
std::optional<Task> askForTask(QWidget& parent, const FormState& figure, const Task& start);

}  // namespace fendrel
