// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/elements.h"

namespace fendrel {

std::optional<Menu> menuByName(std::string_view name) {
    for (const auto& d : kMenus)
        if (d.name == name) return d.id;
    return std::nullopt;
}

std::optional<Vec> labelByName(std::string_view name) {
    for (Vec v : kVectors)
        if (kLabelNames[static_cast<size_t>(index(v))] == name) return v;
    return std::nullopt;
}

}  // namespace fendrel
