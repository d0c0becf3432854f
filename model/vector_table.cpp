// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/vector_table.h"

namespace fendrel {

std::optional<Vec> labelByName(std::string_view name) {
    for (Vec v : kVectors)
        if (facts(v).labelName == name) return v;
    return std::nullopt;
}

}  // namespace fendrel
