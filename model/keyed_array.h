// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace fendrel {

// A fixed array indexed by an enumeration whose values run 0 .. N-1, so that a value is
// reached by what it belongs to (a vector, an axis, a menu element) and never by a number.
// Iteration follows the enumeration's order.
template <class Key, class T, std::size_t N>
struct KeyedArray {
    std::array<T, N> values{};

    constexpr T& operator[](Key k) { return values[static_cast<std::size_t>(k)]; }
    constexpr const T& operator[](Key k) const { return values[static_cast<std::size_t>(k)]; }

    constexpr auto begin() { return values.begin(); }
    constexpr auto end() { return values.end(); }
    constexpr auto begin() const { return values.begin(); }
    constexpr auto end() const { return values.end(); }

    friend bool operator==(const KeyedArray&, const KeyedArray&) = default;
};

}  // namespace fendrel
