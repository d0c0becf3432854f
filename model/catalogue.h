// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

// The catalogue in use, shared by the texts (translation.cpp), the numbers shown in its
// language (shown_number.cpp) and the choice of the language (language_choice.cpp).
namespace fendrel {

inline constexpr const char* kTextDomain = "fendrel";

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

struct Catalogue {
    std::string code;  // empty for English
    int generation = 0;  // raised with every change of language
    std::string separator = ".";
    bool leadingZero = false;  // "0,5" rather than ",5" below one
    // Each text as translated, looked up once; the catalogue's lookups are slow for the refresh.
    std::unordered_map<std::string, std::string, TextHash, std::equal_to<>> texts;
};

Catalogue& catalogue();

}  // namespace fendrel
