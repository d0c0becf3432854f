#include "app/window_description.h"

#include <array>
#include <cmath>

#include "model/refresh.h"

namespace fendrel {

FormState initialForm() {
    FormState s;
    s.caption = "Fendrel";
    s.backColor = 0x000080;
    s.lines = {{
        {3720, 5040, 3720, 840, 0x8080FF, 3},
        {3720, 5040, 6960, 5040, 0x00FF00, 3},
        {3720, 5040, 6840, 600, 0x00FFFF, 3},
    }};
    s.labels = {{
        {3600, 480, "A", "", 0x8080FF, 0x800000, true, 12},
        {6960, 4920, "B", "", 0x00FF00, 0x800000, false, 9.75},
        {6840, 480, "R ", "", 0x00FFFF, 0x800000, false, 9.75},
    }};
    s.stacking = {Vec::A, Vec::B, Vec::R};
    for (const MenuDescription& d : kMenus) s.menu(d.id).caption = d.name;
    s.menu(Menu::SizeA).caption = "A";
    s.menu(Menu::SizeB).caption = "B";
    s.menu(Menu::SizeR).caption = "R";
    s.menu(Menu::SetA).caption = "A";
    s.menu(Menu::SetB).caption = "B";
    s.menu(Menu::SetR).caption = "R";
    for (Menu m : {Menu::AngleA, Menu::AngleB, Menu::AngleR}) s.menu(m).caption = "Angle";
    s.menu(Menu::LockA).caption = "Lock A";
    s.menu(Menu::LockB).caption = "Lock B";
    s.menu(Menu::LockR).caption = "Lock R";
    s.menu(Menu::ca).caption = "A constant";
    s.menu(Menu::cb).caption = "B constant";
    s.menu(Menu::cr).caption = "R constant";
    s.menu(Menu::AngleMode).caption = "Degrees";
    s.menu(Menu::ModeA).caption = "Mode A";
    s.menu(Menu::ModeB).caption = "Mode B";
    s.menu(Menu::SetR).enabled = false;
    s.menu(Menu::ModeA).checked = true;
    return s;
}

void formLoad(FormState& s, Host& host) {
    constexpr std::array<Color, 3> kBackgrounds{0x404040, 0x800000, 0x000080};
    host.randomize();
    s.bringToFront(Vec::B);
    s.vars.curVec = 1;
    const int choice = static_cast<int>(std::floor(host.rnd() * 3.0f)) + 1;
    const Color background = kBackgrounds[static_cast<size_t>(choice - 1)];
    s.backColor = background;
    for (Label& l : s.labels) l.backColor = background;
    for (Vec v : kVectors) s.vars.col[static_cast<size_t>(index(v))] = Number::dbl(s.line(v).color);
    grandezze(s);
}

}  // namespace fendrel
