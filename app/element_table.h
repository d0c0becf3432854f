// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "commands/commands.h"
#include "model/state.h"

namespace fendrel {

// Disabled or checked at start-up; shows a check mark; the range guard wraps the handler;
// the handler ends with the quantity refresh, when it does anything; the handler only
// reports on the window, and is given the state as shown (a hidden vector reads "?").
enum ElementFlag : unsigned { kDisabled = 1, kChecked = 2, kCheckable = 4, kGuarded = 8, kRefreshes = 16, kReport = 32 };

// Everything the program knows about one menu element.
struct Element {
    Menu id;
    std::string_view name;       // in scenarios, dumps and the widget tree
    std::optional<Menu> parent;  // none for the menu bar's own titles
    // At start-up, in English for the catalogue; the refresh rewrites the vector menus' and components'.
    std::string_view caption;
    Command handler;             // none for a title with items: a click on it only opens it
    Vec vector;                  // what the handler is given
    unsigned flags;

    bool is(ElementFlag f) const { return (flags & f) != 0; }
};

// Every menu element, in menu-bar order: a title followed by its items.
const PerMenu<Element>& elements();
inline const Element& element(Menu m) { return elements()[m]; }

// A menu-bar title that has items of its own.
bool hasItems(Menu m);

std::optional<Menu> menuByName(std::string_view name);

}  // namespace fendrel
