// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/element_table.h"

#include <algorithm>
#include <array>

#include "interaction/selection.h"
#include "model/translation.h"

namespace fendrel {

namespace {

// Locking is no command of its own: it only changes the selection.
void lock(FormState& s, Host&, Vec v) { lockClick(s, v); }

constexpr unsigned kEntry = kGuarded | kRefreshes;  // a prompt that moves a tip

// The items every vector menu has, one row a kind, the members for A, B and R side by side;
// each is an item of its vector's menu.
struct VectorFamily {
    PerVector<Menu> ids;
    PerVector<std::string_view> names;
    PerVector<std::string_view> captions;  // at start-up
    Command handler;
    unsigned flags;
};

constexpr std::array<VectorFamily, 6> kVectorFamilies{{
    {{Menu::SizeA, Menu::SizeB, Menu::SizeR}, {"SizeA", "SizeB", "SizeR"},
     // TRANSLATORS: the item of each vector's menu that asks for a new magnitude of that vector.
     {C_("magnitude item", "A"), C_("magnitude item", "B"), C_("magnitude item", "R")}, sizeClick, kEntry},
    {{Menu::Ax, Menu::Bx, Menu::Rx}, {"Ax", "Bx", "Rx"}, {"Ax", "Bx", "Rx"}, xComponentClick, kEntry},
    {{Menu::Ay, Menu::By, Menu::Ry}, {"Ay", "By", "Ry"}, {"Ay", "By", "Ry"}, yComponentClick, kEntry},
    // TRANSLATORS: asks for a new direction of the vector.
    {{Menu::AngleA, Menu::AngleB, Menu::AngleR}, {"AngleA", "AngleB", "AngleR"}, {N_("Angle"), N_("Angle"), N_("Angle")},
     angleClick, kEntry},
    {{Menu::LockA, Menu::LockB, Menu::LockR}, {"LockA", "LockB", "LockR"}, {N_("Lock A"), N_("Lock B"), N_("Lock R")},
     lock, 0},
    // TRANSLATORS: makes the vector the reference vector: its magnitude is declared to be a chosen
    // constant, and every length is shown in that scale.
    {{Menu::ca, Menu::cb, Menu::cr}, {"ca", "cb", "cr"}, {N_("A constant"), N_("B constant"), N_("R constant")},
     constantClick, kCheckable | kRefreshes},
}};

// The menu-bar titles and the items that belong to no vector.
constexpr std::array<Element, 9> kOtherElements{{
    // id             name         parent      start-up caption  handler         vector  flags
    {Menu::SetA,      "SetA",      {},         "A",              nullptr,        Vec::A, 0},
    {Menu::SetB,      "SetB",      {},         "B",              nullptr,        Vec::B, 0},
    {Menu::SetR,      "SetR",      {},         "R",              nullptr,        Vec::R, kDisabled},  // R starts locked
    {Menu::AngleMode, "AngleMode", {},         N_("Degrees"),    angleModeClick, {},     kRefreshes},
    // TRANSLATORS: shows the scalar products of the vectors.
    {Menu::Products,  "Products",  {},         N_("Products"),   productsClick,  {},     0},
    // TRANSLATORS: the menu that chooses where B is drawn: from the origin (Mode A, the
    // parallelogram) or from the tip of A (Mode B, the triangle).
    {Menu::Mode,      "Mode",      {},         N_("Mode"),       nullptr,        {},     0},
    {Menu::ModeA,     "ModeA",     Menu::Mode, N_("Mode A"),     modeAClick,     {},     kGuarded | kCheckable | kChecked},
    {Menu::ModeB,     "ModeB",     Menu::Mode, N_("Mode B"),     modeBClick,     {},     kGuarded | kCheckable},
    // TRANSLATORS: shows who made the program.
    {Menu::Info,      "Info",      {},         N_("Info"),       infoClick,      {},     0},
}};

// Every element at the place of its id, so that the table reads in menu-bar order.
constexpr PerMenu<Element> byId() {
    PerMenu<Element> table{};
    for (const VectorFamily& f : kVectorFamilies)
        for (Vec v : kVectors)
            table[f.ids[v]] = {f.ids[v], f.names[v], kSetMenus[v], f.captions[v], f.handler, v, f.flags};
    for (const Element& e : kOtherElements) table[e.id] = e;
    return table;
}

constexpr PerMenu<Element> kTable = byId();
static_assert(std::all_of(kTable.begin(), kTable.end(), [](const Element& e) { return !e.name.empty(); }),
              "every menu element has a row");

}  // namespace

const PerMenu<Element>& elements() { return kTable; }

bool hasItems(Menu m) {
    return std::any_of(kTable.begin(), kTable.end(), [m](const Element& e) { return e.parent == m; });
}

std::optional<Menu> menuByName(std::string_view name) {
    for (const Element& e : kTable)
        if (e.name == name) return e.id;
    return std::nullopt;
}

}  // namespace fendrel
