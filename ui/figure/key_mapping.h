// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QKeyCombination>
#include <Qt>

#include "interaction/keyboard.h"

namespace fendrel {

// The figure's key for a Qt key press, or nothing for a key the figure does not take.
// Arrows on the keypad count as arrows; Alt or Meta with any key leaves it to the window.
std::optional<Key> keyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);

// The Qt key and modifiers that give the figure's key (Shift+Tab as Shift with Tab).
QKeyCombination qtKeyOf(const Key& key);

// The arrow a Qt key is, as the figure's key table describes it; nothing for any other key.
std::optional<KeyFacts> arrowFromQt(int qtKey);

}  // namespace fendrel
