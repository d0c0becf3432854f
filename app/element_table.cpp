// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/element_table.h"

#include <algorithm>
#include <array>

#include "commands/angle_unit.h"
#include "interaction/selection.h"
#include "model/translation.h"

namespace fendrel {

namespace {

// Locking is no command of its own: it only changes the selection.
void lock(FormState& s, Host&, Vec v) { lockClick(s, v); }

constexpr unsigned kEntry = kGuarded | kRefreshes;  // a prompt that moves a tip

// What every vector's menu has, one row a kind of item, by VectorItem; the names and
// captions are the vector table's.
struct VectorFamily {
    Command handler;  // none for the title, which only opens the menu
    unsigned flags;
};

constexpr std::array<VectorFamily, kVectorItemCount> kVectorFamilies{{
    {nullptr, 0},                           // the title: "A= 4200, 90°"
    {sizeClick, kEntry},                    // a new magnitude
    {xComponentClick, kEntry},              // a new x component
    {yComponentClick, kEntry},              // a new y component
    {angleClick, kEntry},                   // a new direction
    {lock, 0},                              // "Lock A"
    {constantClick, kCheckable | kRefreshes},  // "A constant": the reference vector
}};

// The menu-bar titles and the items that belong to no vector.
constexpr std::array<Element, kMenuCount - kVectorMenuCount> kOtherElements{{
    // id             name         parent      start-up caption  handler         vector  flags
    {Menu::AngleMode, "AngleMode", {},         kDegreesName,     angleModeClick, {},     kRefreshes},
    // TRANSLATORS: shows the scalar products of the vectors.
    {Menu::Products,  "Products",  {},         N_("Products"),   productsClick,  {},     kReport},
    // TRANSLATORS: the menu that chooses where B is drawn: from the origin (Mode A, the
    // parallelogram) or from the tip of A (Mode B, the triangle). Name the items by the
    // figures, as a class does ("Parallelogram", "Triangle"), and the menu by what it chooses.
    {Menu::Mode,      "Mode",      {},         N_("Mode"),       nullptr,        {},     0},
    {Menu::ModeA,     "ModeA",     Menu::Mode, N_("Mode A"),     modeAClick,     {},     kGuarded | kCheckable | kChecked},
    {Menu::ModeB,     "ModeB",     Menu::Mode, N_("Mode B"),     modeBClick,     {},     kGuarded | kCheckable},
    // TRANSLATORS: shows who made the program.
    {Menu::Info,      "Info",      {},         N_("Info"),       infoClick,      {},     kReport},
}};

// Every element at the place of its id, so that the table reads in menu-bar order.
constexpr PerMenu<Element> byId() {
    PerMenu<Element> table{};
    for (Vec v : kVectors) {
        for (std::size_t i = 0; i < kVectorItemCount; ++i) {
            const auto item = static_cast<VectorItem>(i);
            const Menu id = vectorMenu(v, item);
            const bool title = item == VectorItem::Title;
            const unsigned flags = kVectorFamilies[i].flags | (title && facts(v).startsLocked ? kDisabled : 0u);
            const std::optional<Menu> parent = title ? std::nullopt : std::optional(vectorMenu(v, VectorItem::Title));
            table[id] = {id, facts(v).menuNames[i], parent, facts(v).menuCaptions[i], kVectorFamilies[i].handler, v, flags};
        }
    }
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
