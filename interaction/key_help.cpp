// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "interaction/key_help.h"

#include "model/translation.h"

namespace fendrel {

std::vector<Key> everyFigureKey() {
    std::vector<Key> keys;
    for (const KeyFacts& facts : kKeyFacts)
        for (bool shift : {false, true})
            for (bool ctrl : {false, true})
                if (const Key key{facts.name, ctrl, shift}; isFigureKey(key)) keys.push_back(key);
    return keys;
}

std::string_view whatTheKeyDoes(const Key& key) {
    const KeyFacts& facts = keyFacts(key.name);
    if (facts.dx == 0 && facts.dy == 0)
        // TRANSLATORS: what the figure's keys do, as the keyboard help lists them. Tab selects
        // the next vector whose menu is not locked, Shift+Tab the one before; the arrows drag
        // the selected vector's tip (with Shift the whole figure) a step, with Ctrl a small one.
        return key.shift ? _("Selects the vector before, skipping the locked one") : _("Selects the next vector, skipping the locked one");
    if (key.shift)
        return key.ctrl ? _("Moves the whole figure a small step in the arrow's direction")
                        : _("Moves the whole figure a step in the arrow's direction");
    return key.ctrl ? _("Moves the selected vector's tip a small step in the arrow's direction")
                    : _("Moves the selected vector's tip a step in the arrow's direction");
}

}  // namespace fendrel
