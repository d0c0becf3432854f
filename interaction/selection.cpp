// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction/selection.h"

namespace fendrel {

namespace {
constexpr double kSelectedSize = 15;
constexpr double kRegularSize = 10;
}  // namespace

void labelClick(FormState& s, Vec v) {
    if (!s.enabled(vectorMenu(v, VectorItem::Title))) return;
    s.vars.selected = v;
    for (Vec l : {Vec::B, Vec::A, Vec::R}) {
        s.label(l).bold = l == v;
        s.label(l).size = l == v ? kSelectedSize : kRegularSize;
    }
}

void lockClick(FormState& s, Vec v) {
    // With B and R on one tip in Mode B, the label left on top is the one still clickable.
    if (v == Vec::B) s.bringToFront(Vec::R);
    if (v == Vec::R) s.bringToFront(Vec::B);
    for (Vec m : kVectors) s.menu(vectorMenu(m, VectorItem::Title)).enabled = m != v;
    s.label(v).bold = false;
    s.label(v).size = kRegularSize;
}

}  // namespace fendrel
