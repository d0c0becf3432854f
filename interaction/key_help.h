// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "interaction/keyboard.h"

// The figure's keys as the keyboard help lists them.
namespace fendrel {

// Every key the figure takes: each row of FENDREL_FIGURE_KEYS, in the table's order, with
// every modifier that may go with it (none, Ctrl, Shift, Ctrl+Shift).
std::vector<Key> everyFigureKey();

// What the key does, in the language in use ("Moves the whole figure a small step in the
// arrow's direction").
std::string_view whatTheKeyDoes(const Key& key);

}  // namespace fendrel
