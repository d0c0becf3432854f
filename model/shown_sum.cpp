// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/shown_sum.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "model/numbers.h"

namespace fendrel {

namespace {

// A decimal as the display format writes it: the whole number `digits` (most significant
// first) times 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// " 4520", "-.25", " 1.5E+20": the only forms the display format writes for a finite number.
std::optional<Decimal> shownDecimal(Number v) {
    const std::string text = display(v);
    Decimal d;
    d.negative = text.front() == '-';
    bool afterPoint = false;
    std::size_t i = 1;
    for (; i < text.size() && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            afterPoint = true;
        } else if (text[i] >= '0' && text[i] <= '9') {
            d.digits += text[i];
            d.exponent -= afterPoint ? 1 : 0;
        } else {
            return std::nullopt;  // "NaN", "Infinity"
        }
    }
    if (i < text.size()) d.exponent += std::atoi(text.c_str() + i + 1);
    return d;
}

}  // namespace

bool addsUpAsShown(Number first, Number second, Number sum) {
    const auto a = shownDecimal(first), b = shownDecimal(second), r = shownDecimal(sum);
    if (!a || !b || !r) return false;
    // first + second − sum, column by column from the lowest exponent of the three, each
    // column's digit counted with its number's sign; the difference is 0 when every column
    // and the carry out of the last one come to 0.
    const int lowest = std::min({a->exponent, b->exponent, r->exponent});
    std::vector<int> columns;
    const auto add = [&](const Decimal& d, int sign) {
        if (d.negative) sign = -sign;
        const auto shift = static_cast<std::size_t>(d.exponent - lowest);
        if (columns.size() < shift + d.digits.size()) columns.resize(shift + d.digits.size());
        for (std::size_t k = 0; k < d.digits.size(); ++k)
            columns[shift + k] += sign * (d.digits[d.digits.size() - 1 - k] - '0');
    };
    add(*a, 1);
    add(*b, 1);
    add(*r, -1);
    int carry = 0;
    for (int column : columns) {
        const int total = column + carry;
        if (total % 10 != 0) return false;
        carry = total / 10;
    }
    return carry == 0;
}

}  // namespace fendrel
