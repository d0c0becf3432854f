// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "interaction/keyboard.h"

namespace fendrel {

// The key written as the scenario driver reads it: "Left", "Ctrl+Down", "Shift+Up",
// "Ctrl+Shift+Right", "Tab", "Shift+Tab". Nothing for any other text.
std::optional<Key> keyByName(std::string_view name);

// The key as the driver's scripts write it; keyByName reads it back.
std::string keyName(const Key& key);

}  // namespace fendrel
