#pragma once

#include <optional>
#include <string_view>

#include "commands/host.h"
#include "model/state.h"

namespace fendrel {

// What a click on a menu element runs. A member of a vector family (SizeA, SizeB, SizeR)
// is given its vector; the other elements' handlers ignore it.
using Handler = void (*)(FormState& s, Host& host, Vec v);

// Everything the program knows about one menu element.
struct Element {
    Menu id{};
    std::string_view name;       // in scenarios, dumps and the widget tree
    std::optional<Menu> parent;  // none for the menu bar's own titles
    std::string_view caption;    // at start-up; the refresh rewrites the vector menus' and components'
    bool enabled = true;         // at start-up
    bool checked = false;        // at start-up
    bool checkable = false;
    Handler handler = nullptr;   // none for a title with items: a click on it only opens it
    Vec vector = Vec::A;         // what the handler is given
    bool guarded = false;        // the range guard wraps the handler
    bool refreshes = false;      // the handler ends with the quantity refresh, when it does anything
};

// Every menu element, in menu-bar order: a title followed by its items.
const PerMenu<Element>& elements();
inline const Element& element(Menu m) { return elements()[m]; }

// A menu-bar title that has items of its own.
bool hasItems(Menu m);

std::optional<Menu> menuByName(std::string_view name);

}  // namespace fendrel
