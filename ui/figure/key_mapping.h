// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <Qt>

#include "interaction/keyboard.h"

namespace fendrel {

// The figure's key for a Qt key press, or nothing for a key the figure does not take.
// Arrows on the keypad count as arrows; Alt or Meta with any key leaves it to the window.
std::optional<Key> keyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace fendrel
