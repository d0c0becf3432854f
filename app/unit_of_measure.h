// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The unit a lesson names for its reference scale ("N", "m/s"): what a teacher may type or a
// lesson file may hold.
namespace fendrel {

// Long enough for "km/h" or "kg·m/s²", short enough to stand after a number on one line.
inline constexpr std::size_t kMaxUnitCharacters = 12;

// The unit as the window keeps it: the text without its outer blanks, empty for none. Nothing
// when it has more than kMaxUnitCharacters characters, holds a control character (a line
// break or a tab among them) or a line or paragraph separator, or is no UTF-8.
std::optional<std::string> unitOfMeasure(std::string_view text);

}  // namespace fendrel
