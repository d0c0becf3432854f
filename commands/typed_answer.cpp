// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/typed_answer.h"

#include <string>

#include "model/shown_number.h"
#include "model/translation.h"

namespace fendrel {

Reading readReply(std::string_view reply) { return readNumber(reply, typedDecimalSeparator()); }

namespace {

// The reply as a message quotes it: without its outer blanks, and its first 40 characters
// followed by "…" when it is longer.
std::string quoted(std::string_view reply) {
    constexpr int kLongest = 40;
    const std::string_view text = withoutOuterBlanks(reply);
    int characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool continues = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;  // inside a UTF-8 sequence
        if (!continues && ++characters > kLongest) return std::string(text.substr(0, i)) + "\u2026";
    }
    return std::string(text);
}

}  // namespace

std::optional<double> askNumber(Host& host, std::string_view prompt, std::string_view title,
                                std::string_view defaultText) {
    const auto reply = host.inputBox(prompt, title, defaultText);
    if (!reply) return std::nullopt;
    const Reading read = readReply(*reply);
    if (read.kind == Reading::Kind::Number) return read.value;
    if (read.kind != Reading::Kind::Empty) {
        const std::string_view why = read.kind == Reading::Kind::TooLarge
                                         // TRANSLATORS: a typed answer refused because its number is
                                         // beyond what the program can hold; {reply} is the answer as typed.
                                         ? _("\"{reply}\" is too large.")
                                         // TRANSLATORS: a typed answer refused because it is no number,
                                         // "12.5.7" or "5abc"; {reply} is the answer as typed.
                                         : _("\"{reply}\" is not a number.");
        host.messageBox(fill(why, {{"reply", quoted(*reply)}}), kWarningIcon, title);
    }
    return std::nullopt;
}

}  // namespace fendrel
