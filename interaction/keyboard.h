// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/state.h"

namespace fendrel {

// A key pressed while the figure has the keyboard focus: an arrow, with or without Ctrl
// (the small step) and Shift (the whole figure), or Tab, with or without Shift (backwards).
struct Key {
    enum class Name { Left, Right, Up, Down, Tab };

    Name name = Name::Tab;
    bool ctrl = false;   // arrows only
    bool shift = false;

    friend bool operator==(const Key&, const Key&) = default;
};

// Arrows drag as the pointer would, a step away from the selected tip (or, with Shift, from
// the origin); Tab selects the next unlocked vector as a click on its label does.
void formKey(FormState& s, Key key);

}  // namespace fendrel
