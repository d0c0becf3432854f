// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction/placement.h"

#include "model/single.h"

namespace fendrel {

namespace {
constexpr Color kWhite = 0xFFFFFF;

double extentX(const Line& l) { return static_cast<double>(l.x2) - l.x1; }
double extentY(const Line& l) { return static_cast<double>(l.y2) - l.y1; }
}  // namespace

void applyVectorColours(FormState& s) {
    for (Vec v : kVectors) s.line(v).color = static_cast<Color>(s.vars.colour[v].read());
    for (Vec v : kVectors) s.label(v).foreColor = static_cast<Color>(s.vars.colour[v].read());
    for (Vec v : kVectors) {
        if (s.checked(vectorMenu(v, VectorItem::Constant))) {
            s.line(v).color = kWhite;
            s.label(v).foreColor = kWhite;
        }
    }
}

void placeBHeadToTail(FormState& s) {
    Line& b = s.line(Vec::B);
    b.y2 = s.line(Vec::R).y2;
    b.y1 = s.line(Vec::A).y2;
    b.x1 = s.line(Vec::A).x2;
    b.x2 = s.line(Vec::R).x2;
    s.putLabelOnTip(Vec::B);
}

void resultantFollowsA(FormState& s) {
    const Line& a = s.line(Vec::A);
    const Line& b = s.line(Vec::B);
    Line& r = s.line(Vec::R);
    r.y2 = single(extentY(b) + a.y2);
    r.x2 = single(extentX(b) + a.x2);
}

void resultantFollowsB(FormState& s, bool x, bool y) {
    const Line& a = s.line(Vec::A);
    const Line& b = s.line(Vec::B);
    Line& r = s.line(Vec::R);
    if (y) r.y2 = single(extentY(a) + b.y2);
    if (x) r.x2 = single(extentX(a) + b.x2);
}

void yieldToResultant(FormState& s) {
    const Line& r = s.line(Vec::R);
    const bool aLocked = !s.enabled(Menu::SetA);
    Line& giving = s.line(aLocked ? Vec::B : Vec::A);
    const Line& other = s.line(aLocked ? Vec::A : Vec::B);
    giving.y2 = single(r.y2 - extentY(other));
    giving.x2 = single(r.x2 - extentX(other));
}

}  // namespace fendrel
