// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/figure_description.h"

namespace fendrel {

std::string vectorName(Vec v) { return std::string(_(facts(v).title)); }

std::string vectorDescription(const FormState& s, Vec v, const FigureMarks& drawn) {
    // TRANSLATORS: what a screen reader says of a vector: its menu's title and its two
    // components as the menus show them ("A= 4200, 90°; Ax= 0; Ay= 4200").
    std::string text = fill(_("{vector}; {x}; {y}"), {{"vector", s.menu(vectorMenu(v, VectorItem::Title)).caption},
                                                      {"x", s.menu(componentItem(v, Axis::X)).caption},
                                                      {"y", s.menu(componentItem(v, Axis::Y)).caption}});
    // TRANSLATORS: the same, for a locked vector.
    if (!s.enabled(vectorMenu(v, VectorItem::Title))) text = fill(_("{description}; locked"), {{"description", text}});
    std::string components;
    for (const ComponentMark& m : drawn.components)
        if (m.vector == v) components += (components.empty() ? "" : ", ") + m.label.text;
    if (!components.empty()) {
        // TRANSLATORS: added to what a screen reader says of a vector while its components are
        // drawn on the figure: {components} lists their captions ("Ax= 1280, Ay= 4200").
        text = fill(_("{description}; components drawn: {components}"), {{"description", text}, {"components", components}});
    }
    for (const AngleMark& m : drawn.angles) {
        // TRANSLATORS: added while the angles are drawn: {angle} is the vector's direction ("90°").
        if (m.vector == v) text = fill(_("{description}; angle drawn: {angle}"), {{"description", text}, {"angle", m.label.text}});
        if (!m.vector && v != Vec::R) {
            // TRANSLATORS: added to A's and B's while the angles are drawn ("90°").
            text = fill(_("{description}; angle between A and B drawn: {angle}"), {{"description", text}, {"angle", m.label.text}});
        }
    }
    return text;
}

bool isSelected(const FormState& s, Vec v) { return s.vars.selected == v; }

}  // namespace fendrel
