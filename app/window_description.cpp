// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_description.h"

#include <array>
#include <cmath>
#include <string>

#include "app/element_table.h"
#include "model/refresh.h"
#include "model/translation.h"

namespace fendrel {

FormState initialForm() {
    FormState s;
    s.caption = "Fendrel";
    s.backColor = 0x000080;
    s.lines = {
        Line{3720, 5040, 3720, 840, 0x8080FF, 3},
        Line{3720, 5040, 6960, 5040, 0x00FF00, 3},
        Line{3720, 5040, 6960, 840, 0x00FFFF, 3},
    };
    s.labels = {
        Label{3600, 480, std::string(facts(Vec::A).labelCaption), "", 0x8080FF, 0x800000, true, 12},
        Label{6960, 4920, std::string(facts(Vec::B).labelCaption), "", 0x00FF00, 0x800000, false, 9.75},
        Label{6840, 480, std::string(facts(Vec::R).labelCaption), "", 0x00FFFF, 0x800000, false, 9.75},
    };
    for (const Element& e : elements()) s.menu(e.id) = {std::string(_(e.caption)), !e.is(kDisabled), e.is(kChecked)};
    return s;
}

void paintBackground(FormState& s, Color background) {
    s.backColor = background;
    for (Label& l : s.labels) l.backColor = background;
}

void recordArrowColours(FormState& s) {
    for (Vec v : kVectors) s.vars.colour[v] = Number::dbl(s.line(v).color);
}

void formLoad(FormState& s, Host& host) {
    constexpr std::array<Color, 3> kBackgrounds{0x404040, 0x800000, 0x000080};
    host.randomize();
    s.bringToFront(Vec::B);
    s.vars.selected = Vec::A;
    const int choice = static_cast<int>(std::floor(host.rnd() * 3.0f)) + 1;
    paintBackground(s, kBackgrounds[static_cast<size_t>(choice - 1)]);
    recordArrowColours(s);
    refreshQuantities(s);
}

}  // namespace fendrel
