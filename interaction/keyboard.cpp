// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction/keyboard.h"

#include "interaction/mouse_drag.h"
#include "interaction/selection.h"
#include "model/single.h"

namespace fendrel {

namespace {

constexpr double kStep = 120;       // window units
constexpr double kSmallStep = 15;
constexpr int kTipButton = 1;
constexpr int kFigureButton = 2;

// Where the pointer would be after moving one step from (x, y).
void dragFrom(FormState& s, int button, float x, float y, Key key) {
    const double step = key.ctrl ? kSmallStep : kStep;
    const KeyFacts& k = keyFacts(key.name);
    formMouseMove(s, button, 0, single(x + k.dx * step), single(y + k.dy * step));
}

// The vector after v in the order A, B, R, A (backwards: A, R, B, A).
Vec after(Vec v, bool backwards) {
    switch (v) {
        case Vec::A: return backwards ? Vec::R : Vec::B;
        case Vec::B: return backwards ? Vec::A : Vec::R;
        case Vec::R: return backwards ? Vec::B : Vec::A;
    }
    return v;
}

// The first unlocked, selectable vector after the selected one is selected as a click on
// its label selects it.
void selectNextUnlocked(FormState& s, bool backwards, const PerVector<bool>& selectable) {
    const std::optional<Vec> current = s.vars.selected;
    if (!current) return;
    for (Vec v = after(*current, backwards); v != *current; v = after(v, backwards)) {
        if (s.enabled(vectorMenu(v, VectorItem::Title)) && selectable[v]) {
            labelClick(s, v);
            return;
        }
    }
}

}  // namespace

void formKey(FormState& s, Key key, const PerVector<bool>& selectable) {
    if (key.name == Key::Name::Tab) {
        selectNextUnlocked(s, key.shift, selectable);
        return;
    }
    if (key.shift) {
        const Line& a = s.line(Vec::A);
        dragFrom(s, kFigureButton, a.x1, a.y1, key);
        return;
    }
    const std::optional<Vec> selected = s.vars.selected;
    if (!selected || !selectable[*selected]) return;
    const Line& line = s.line(*selected);
    dragFrom(s, kTipButton, line.x2, line.y2, key);
}

}  // namespace fendrel
