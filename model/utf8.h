// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace fendrel {

// How many bytes the UTF-8 character at the start of `text` takes; 0 when they are none
// (a stray continuation byte, an overlong form, a surrogate, beyond U+10FFFF, cut short).
std::size_t utf8Length(std::string_view text);

// How many characters the text has when it is UTF-8 on one line: with no control character
// (a line break or a tab among them) and no line or paragraph separator. Nothing otherwise.
std::optional<std::size_t> oneLineCharacters(std::string_view text);

}  // namespace fendrel
