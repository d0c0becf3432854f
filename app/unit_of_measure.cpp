// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/unit_of_measure.h"

#include "model/numbers.h"
#include "model/utf8.h"

namespace fendrel {

namespace {

// A C0, DEL or C1 control, or U+2028 or U+2029, which break a line as a line feed does.
bool isControlOrSeparator(std::string_view character) {
    const auto byte = [character](std::size_t i) { return static_cast<unsigned char>(character[i]); };
    if (character.size() == 1) return byte(0) < 0x20 || byte(0) == 0x7F;
    if (character.size() == 2) return byte(0) == 0xC2 && byte(1) < 0xA0;
    return character.size() == 3 && byte(0) == 0xE2 && byte(1) == 0x80 && (byte(2) == 0xA8 || byte(2) == 0xA9);
}

}  // namespace

std::optional<std::string> unitOfMeasure(std::string_view text) {
    const std::string_view unit = withoutOuterBlanks(text);
    std::size_t characters = 0;
    for (std::string_view rest = unit; !rest.empty(); ++characters) {
        const std::size_t length = utf8Length(rest);
        if (length == 0 || isControlOrSeparator(rest.substr(0, length)) || characters == kMaxUnitCharacters) return std::nullopt;
        rest.remove_prefix(length);
    }
    return std::string(unit);
}

}  // namespace fendrel
