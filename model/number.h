// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A per-window numeric value as the window keeps it: empty until first written,
// then either a single- or a double-precision number. The precision decides how
// many significant digits the display format writes (7 or 15).
namespace fendrel {

struct Number {
    enum class Kind { Empty, Single, Double };

    Kind kind = Kind::Empty;
    double value = 0.0;  // a Single holds a float widened exactly

    static Number single(float v) { return {Kind::Single, static_cast<double>(v)}; }
    static Number dbl(double v) { return {Kind::Double, v}; }

    bool empty() const { return kind == Kind::Empty; }
    // Empty reads as 0.
    double read() const { return value; }

    friend bool operator==(const Number&, const Number&) = default;
};

}  // namespace fendrel
