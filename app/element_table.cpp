#include "app/element_table.h"

#include <algorithm>
#include <array>

#include "commands/commands.h"
#include "interaction/selection.h"

namespace fendrel {

namespace {

enum Flag : unsigned { kGuarded = 1, kRefreshes = 2, kCheckable = 4, kChecked = 8 };

// The kinds of element every vector menu has, one row each, the members for A, B and R side
// by side. The first row is the menus themselves; the other rows are their items.
struct VectorFamily {
    PerVector<Menu> ids;
    PerVector<std::string_view> names;
    PerVector<std::string_view> captions;
    Handler handler;
    unsigned flags;
    PerVector<bool> enabled{true, true, true};
};

constexpr std::array<VectorFamily, 7> kVectorFamilies{{
    {{Menu::SetA, Menu::SetB, Menu::SetR}, {"SetA", "SetB", "SetR"}, {"A", "B", "R"}, nullptr, 0,
     {true, true, false}},  // R starts locked
    {{Menu::SizeA, Menu::SizeB, Menu::SizeR}, {"SizeA", "SizeB", "SizeR"}, {"A", "B", "R"}, sizeClick,
     kGuarded | kRefreshes},
    {{Menu::Ax, Menu::Bx, Menu::Rx}, {"Ax", "Bx", "Rx"}, {"Ax", "Bx", "Rx"},
     [](FormState& s, Host& h, Vec v) { componentClick(s, h, v, Axis::X); }, kGuarded | kRefreshes},
    {{Menu::Ay, Menu::By, Menu::Ry}, {"Ay", "By", "Ry"}, {"Ay", "By", "Ry"},
     [](FormState& s, Host& h, Vec v) { componentClick(s, h, v, Axis::Y); }, kGuarded | kRefreshes},
    {{Menu::AngleA, Menu::AngleB, Menu::AngleR}, {"AngleA", "AngleB", "AngleR"}, {"Angle", "Angle", "Angle"},
     angleClick, kGuarded | kRefreshes},
    {{Menu::LockA, Menu::LockB, Menu::LockR}, {"LockA", "LockB", "LockR"}, {"Lock A", "Lock B", "Lock R"},
     [](FormState& s, Host&, Vec v) { lockClick(s, v); }, 0},
    {{Menu::ca, Menu::cb, Menu::cr}, {"ca", "cb", "cr"}, {"A constant", "B constant", "R constant"},
     constantClick, kCheckable | kRefreshes},
}};

struct OtherElement {
    Menu id;
    std::string_view name;
    std::optional<Menu> parent;
    std::string_view caption;
    Handler handler;
    unsigned flags;
};

constexpr std::array<OtherElement, 6> kOtherElements{{
    {Menu::AngleMode, "AngleMode", {}, "Degrees", [](FormState& s, Host&, Vec) { angleModeClick(s); }, kRefreshes},
    {Menu::Products, "Products", {}, "Products", [](FormState& s, Host& h, Vec) { productsClick(s, h); }, 0},
    {Menu::Mode, "Mode", {}, "Mode", nullptr, 0},
    {Menu::ModeA, "ModeA", Menu::Mode, "Mode A", [](FormState& s, Host&, Vec) { modeAClick(s); },
     kGuarded | kCheckable | kChecked},
    {Menu::ModeB, "ModeB", Menu::Mode, "Mode B", [](FormState& s, Host&, Vec) { modeBClick(s); },
     kGuarded | kCheckable},
    {Menu::Info, "Info", {}, "Info", [](FormState&, Host& h, Vec) { infoClick(h); }, 0},
}};

constexpr Element withFlags(Element e, unsigned flags) {
    e.checked = (flags & kChecked) != 0;
    e.checkable = (flags & kCheckable) != 0;
    e.guarded = (flags & kGuarded) != 0;
    e.refreshes = (flags & kRefreshes) != 0;
    return e;
}

constexpr PerMenu<Element> buildTable() {
    PerMenu<Element> table;
    for (const VectorFamily& f : kVectorFamilies)
        for (Vec v : kVectors) {
            const std::optional<Menu> parent = f.handler ? std::optional(kSetMenus[v]) : std::nullopt;
            table[f.ids[v]] =
                withFlags({f.ids[v], f.names[v], parent, f.captions[v], f.enabled[v], false, false, f.handler, v},
                          f.flags);
        }
    for (const OtherElement& o : kOtherElements)
        table[o.id] = withFlags({o.id, o.name, o.parent, o.caption, true, false, false, o.handler}, o.flags);
    return table;
}

constexpr PerMenu<Element> kTable = buildTable();
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
