// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/figure_description.h"


namespace fendrel {

std::string vectorName(Vec v) { return std::string(_(facts(v).title)); }

std::string vectorDescription(const FormState& s, Vec v) {
    // TRANSLATORS: what a screen reader says of a vector: its menu's title and its two
    // components as the menus show them ("A= 4200, 90°; Ax= 0; Ay= 4200").
    std::string text = fill(_("{vector}; {x}; {y}"), {{"vector", s.menu(vectorMenu(v, VectorItem::Title)).caption},
                                                      {"x", s.menu(componentItem(v, Axis::X)).caption},
                                                      {"y", s.menu(componentItem(v, Axis::Y)).caption}});
    // TRANSLATORS: the same, for a locked vector.
    if (!s.enabled(vectorMenu(v, VectorItem::Title))) text = fill(_("{description}; locked"), {{"description", text}});
    return text;
}

bool isSelected(const FormState& s, Vec v) { return s.vars.selected == v; }

}  // namespace fendrel
