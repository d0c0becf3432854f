// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction/mouse_drag.h"

#include "interaction/placement.h"
#include "model/refresh.h"

namespace fendrel {

namespace {

// The origin follows the pointer; every end point and label shifts by the same offset,
// in single precision. No refresh: no vector changes.
void dragFigure(FormState& s, float x, float y) {
    const float dx = x - s.line(Vec::A).x1;
    const float dy = y - s.line(Vec::A).y1;
    for (Vec v : kVectors) {
        Line& l = s.line(v);
        l.x1 = l.x1 + dx;
        l.x2 = l.x2 + dx;
        l.y1 = l.y1 + dy;
        l.y2 = l.y2 + dy;
        s.putLabelOnTip(v);
    }
}

void bTailToOrigin(FormState& s) {
    s.line(Vec::B).x1 = s.line(Vec::A).x1;
    s.line(Vec::B).y1 = s.line(Vec::A).y1;
}

// B from A's tip to (x, y); in Mode B the tips of B and R coincide.
void bHeadToTailEndingAt(FormState& s, float x, float y) {
    Line& b = s.line(Vec::B);
    b.x1 = s.line(Vec::A).x2;
    b.x2 = x;
    b.y1 = s.line(Vec::A).y2;
    b.y2 = y;
}

void dragA(FormState& s, float x, float y) {
    if (s.enabled(Menu::SetA)) {
        s.line(Vec::A).x2 = x;
        s.line(Vec::A).y2 = y;
        resultantFollowsA(s);
        bTailToOrigin(s);
    }
    if (s.modeB()) bHeadToTailEndingAt(s, s.line(Vec::R).x2, s.line(Vec::R).y2);
}

void dragB(FormState& s, float x, float y) {
    if (s.enabled(Menu::SetB)) {
        s.line(Vec::B).x2 = x;
        s.line(Vec::B).y2 = y;
        resultantFollowsB(s, true, true);
        bTailToOrigin(s);
    }
    if (s.modeB()) {
        bHeadToTailEndingAt(s, x, y);
        s.line(Vec::R).x2 = x;
        s.line(Vec::R).y2 = y;
        s.bringToFront(Vec::B);
    }
}

void dragR(FormState& s, float x, float y) {
    s.bringToFront(Vec::R);
    s.line(Vec::R).x2 = x;
    s.line(Vec::R).y2 = y;
    yieldToResultant(s);
    if (s.modeB()) bHeadToTailEndingAt(s, x, y);
}

}  // namespace

void formMouseMove(FormState& s, int button, int /*shift*/, float x, float y) {
    if (button == 2) {
        dragFigure(s, x, y);
        return;
    }
    if (button != 1) return;
    if (s.vars.selected) {
        switch (*s.vars.selected) {
            case Vec::A: dragA(s, x, y); break;
            case Vec::B: dragB(s, x, y); break;
            case Vec::R: dragR(s, x, y); break;
        }
    }
    refreshQuantities(s);
}

}  // namespace fendrel
