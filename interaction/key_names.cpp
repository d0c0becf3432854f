// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction/key_names.h"

namespace fendrel {

namespace {

constexpr std::string_view kCtrl = "Ctrl+", kShift = "Shift+";

bool consume(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

}  // namespace

std::optional<Key> keyByName(std::string_view name) {
    Key key;
    key.ctrl = consume(name, kCtrl);
    key.shift = consume(name, kShift);
    for (const KeyFacts& k : kKeyFacts) {
        if (name != k.scriptName) continue;
        key.name = k.name;
        return isFigureKey(key) ? std::optional(key) : std::nullopt;
    }
    return std::nullopt;
}

std::string keyName(const Key& key) {
    std::string name;
    if (key.ctrl) name += kCtrl;
    if (key.shift) name += kShift;
    return name += keyFacts(key.name).scriptName;
}

}  // namespace fendrel
