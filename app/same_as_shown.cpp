// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/same_as_shown.h"

#include <algorithm>
#include <cmath>

namespace fendrel {

namespace {

// The shortest text of a number tells -0 from 0; no state ever holds NaN.
bool same(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

bool same(const Number& a, const Number& b) {
    return a.empty() == b.empty() && (a.empty() || same(a.value, b.value));
}

bool same(const Line& a, const Line& b) {
    return same(a.x1, b.x1) && same(a.y1, b.y1) && same(a.x2, b.x2) && same(a.y2, b.y2) &&
           a.color == b.color && a.width == b.width;
}

bool same(const Label& a, const Label& b) {
    return same(a.left, b.left) && same(a.top, b.top) && a.caption == b.caption && a.tooltip == b.tooltip &&
           a.foreColor == b.foreColor && a.backColor == b.backColor && a.bold == b.bold && same(a.size, b.size);
}

bool same(const PerAxis<Number>& a, const PerAxis<Number>& b);

template <class Range>
bool sameEach(const Range& a, const Range& b) {
    return std::equal(std::begin(a), std::end(a), std::begin(b), std::end(b),
                      [](const auto& x, const auto& y) { return same(x, y); });
}

bool same(const PerAxis<Number>& a, const PerAxis<Number>& b) { return sameEach(a, b); }

bool same(const Vars& a, const Vars& b) {
    return sameEach(a.mod, b.mod) && sameEach(a.comp, b.comp) && same(a.kConst, b.kConst) &&
           a.curVec == b.curVec && a.radMode == b.radMode && sameEach(a.ang, b.ang) &&
           sameEach(a.between, b.between) && sameEach(a.col, b.col);
}

}  // namespace

bool sameAsShown(const FormState& a, const FormState& b) {
    return a.caption == b.caption && a.backColor == b.backColor && a.topLabel() == b.topLabel() &&
           sameEach(a.lines, b.lines) && sameEach(a.labels, b.labels) && a.menus == b.menus && same(a.vars, b.vars);
}

}  // namespace fendrel
