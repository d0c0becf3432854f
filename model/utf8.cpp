// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/utf8.h"

namespace fendrel {

std::size_t utf8Length(std::string_view text) {
    const auto byte = [text](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    // The range of the second byte, narrower after some lead bytes; the later ones are 80..BF.
    unsigned low = 0x80, high = 0xBF;
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
    if (length == 0 || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

namespace {

// A C0, DEL or C1 control, or U+2028 or U+2029, which break a line as a line feed does.
bool isControlOrSeparator(std::string_view character) {
    const auto byte = [character](std::size_t i) { return static_cast<unsigned char>(character[i]); };
    if (character.size() == 1) return byte(0) < 0x20 || byte(0) == 0x7F;
    if (character.size() == 2) return byte(0) == 0xC2 && byte(1) < 0xA0;
    return character.size() == 3 && byte(0) == 0xE2 && byte(1) == 0x80 && (byte(2) == 0xA8 || byte(2) == 0xA9);
}

}  // namespace

std::optional<std::size_t> oneLineCharacters(std::string_view text) {
    std::size_t characters = 0;
    for (; !text.empty(); ++characters) {
        const std::size_t length = utf8Length(text);
        if (length == 0 || isControlOrSeparator(text.substr(0, length))) return std::nullopt;
        text.remove_prefix(length);
    }
    return characters;
}

}  // namespace fendrel
