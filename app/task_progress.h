// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/state.h"

// How far the student has got with the lesson's task, and what that changes in the window.
// None of it is part of the figure: Undo and Redo leave it, a lesson file does not keep it,
// and each lesson opened or begun starts it afresh. So what it hides and what it keeps from
// the student is worked out from the state and the progress wherever the window is shown
// or an event arrives, and never written into the state.
namespace fendrel {

struct TaskProgress {
    int attempts = 0;                   // the checks that reached a verdict
    bool solved = false;
    bool revealed = false;
    std::vector<std::string> feedback;  // the lines of the last verdict, in order
};

// A task that is neither solved nor revealed: it hides its vectors and restricts the student.
bool taskOpen(const FormState& s, const TaskProgress& p);

// Whether the student may select the vector, drag it and type into it: any vector without
// an open task, only the movable ones with one.
bool mayChange(const FormState& s, const TaskProgress& p, Vec v);
PerVector<bool> changeable(const FormState& s, const TaskProgress& p);

// Whether choosing the menu element does what it does: while a task is open, the entries of
// a vector that is not movable, every lock item and every constant item (the task's goal is
// in the scale the captions show) do nothing. The element's own enabled flag is apart.
bool mayChoose(const FormState& s, const TaskProgress& p, Menu m);

// The window as the student sees it: while the task is open, every number of its hidden
// vectors' captions (and of a hidden reference vector's label) reads kHiddenNumber, and the
// task lists as hidden only those; afterwards, and without a task, the state itself.
FormState stateAsShown(const FormState& s, const TaskProgress& p);

}  // namespace fendrel
