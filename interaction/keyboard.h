// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "model/state.h"

namespace fendrel {

// Every key the figure takes, once. Each row: the key's name (in the scripts of the scenario
// driver, and of the enumeration), the Qt key that gives it in the window, whether Ctrl may
// go with it (the small step), and the direction an arrow drags in (y down; none for Tab).
// The enumeration, the driver's names, the window's mapping and the tests' keys all come
// from these rows.
#define FENDREL_FIGURE_KEYS(KEY)     \
    KEY(Left, Key_Left, true, -1, 0) \
    KEY(Right, Key_Right, true, 1, 0) \
    KEY(Up, Key_Up, true, 0, -1)     \
    KEY(Down, Key_Down, true, 0, 1)  \
    KEY(Tab, Key_Tab, false, 0, 0)

// A key pressed while the figure has the keyboard focus: an arrow, with or without Ctrl
// (the small step) and Shift (the whole figure), or Tab, with or without Shift (backwards).
struct Key {
#define FENDREL_KEY_ID(name, qtKey, takesCtrl, dx, dy) name,
    enum class Name { FENDREL_FIGURE_KEYS(FENDREL_KEY_ID) };
#undef FENDREL_KEY_ID

    Name name = Name::Tab;
    bool ctrl = false;   // arrows only
    bool shift = false;

    friend bool operator==(const Key&, const Key&) = default;
};

// What the table says of one key.
struct KeyFacts {
    Key::Name name;
    std::string_view scriptName;
    bool takesCtrl;
    int dx, dy;
};

#define FENDREL_KEY_FACTS(name, qtKey, takesCtrl, dx, dy) KeyFacts{Key::Name::name, #name, takesCtrl, dx, dy},
inline constexpr std::array kKeyFacts{FENDREL_FIGURE_KEYS(FENDREL_KEY_FACTS)};
#undef FENDREL_KEY_FACTS

inline constexpr const KeyFacts& keyFacts(Key::Name name) { return kKeyFacts[static_cast<std::size_t>(name)]; }

// Whether the modifiers may go with the key: Ctrl+Tab, for one, is no key of the figure.
inline constexpr bool isFigureKey(const Key& key) { return !key.ctrl || keyFacts(key.name).takesCtrl; }

// Arrows drag as the pointer would, a step away from the selected tip (or, with Shift, from
// the origin); Tab selects the next unlocked vector as a click on its label does. Only the
// vectors marked `selectable` are selected and have their tips dragged (a task keeps the
// others from the student).
void formKey(FormState& s, Key key, const PerVector<bool>& selectable);

}  // namespace fendrel
