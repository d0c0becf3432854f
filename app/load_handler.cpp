// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/load_handler.h"

#include <array>
#include <cmath>

#include "model/refresh.h"

namespace fendrel {

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
