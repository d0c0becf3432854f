// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shown_fields.h"

#include <cmath>

namespace fendrel {

namespace {

// The shortest text of a number tells -0 from 0; no state ever holds NaN.
bool alike(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }
bool alike(float a, float b) { return alike(static_cast<double>(a), static_cast<double>(b)); }
bool alike(const Number& a, const Number& b) { return a.empty() == b.empty() && (a.empty() || alike(a.value, b.value)); }
bool alike(ShownColour<const Color> a, ShownColour<const Color> b) { return a.value == b.value; }
template <class T>
bool alike(const T& a, const T& b) {
    return a == b;
}

struct Comparison {
    bool same = true;

    template <class Inside>
    void group(std::string_view, Inside inside) {
        if (same) inside();
    }
    template <class T>
    void field(std::string_view, const T& a, const T& b) {
        same = same && alike(a, b);
    }
    void viewText(std::string_view, const std::string& a, const std::string& b) { same = same && a == b; }
};

}  // namespace

bool sameAsShown(const FormState& a, const FormState& b) {
    Comparison comparison;
    walkShownFields(comparison, a, b);
    return comparison.same;
}

}  // namespace fendrel
