// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/figure_description.h"

namespace fendrel {

std::string vectorName(Vec v) { return "Vector " + std::string(kLetters[v]); }

std::string vectorDescription(const FormState& s, Vec v) {
    std::string text = s.menu(kSetMenus[v]).caption;
    for (Axis axis : kAxes) text += "; " + s.menu(kComponentItems[v][axis]).caption;
    if (!s.enabled(kSetMenus[v])) text += "; locked";
    return text;
}

bool isSelected(const FormState& s, Vec v) { return s.selected() == v; }

}  // namespace fendrel
