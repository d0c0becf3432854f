// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction/key_names.h"

#include <array>
#include <utility>

namespace fendrel {

namespace {

constexpr std::array<std::pair<std::string_view, Key::Name>, 5> kNames{{
    {"Left", Key::Name::Left},
    {"Right", Key::Name::Right},
    {"Up", Key::Name::Up},
    {"Down", Key::Name::Down},
    {"Tab", Key::Name::Tab},
}};

bool consume(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

}  // namespace

std::optional<Key> keyByName(std::string_view name) {
    Key key;
    key.ctrl = consume(name, "Ctrl+");
    key.shift = consume(name, "Shift+");
    for (const auto& [text, id] : kNames) {
        if (name != text) continue;
        if (id == Key::Name::Tab && key.ctrl) return std::nullopt;
        key.name = id;
        return key;
    }
    return std::nullopt;
}

}  // namespace fendrel
