// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/unit_of_measure.h"

#include "model/numbers.h"
#include "model/utf8.h"

namespace fendrel {

std::optional<std::string> unitOfMeasure(std::string_view text) {
    const std::string_view unit = withoutOuterBlanks(text);
    const std::optional<std::size_t> characters = oneLineCharacters(unit);
    if (!characters || *characters > kMaxUnitCharacters) return std::nullopt;
    return std::string(unit);
}

}  // namespace fendrel
