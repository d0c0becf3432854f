// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/initial_form.h"

#include <string>

#include "app/element_table.h"
#include "model/translation.h"

namespace fendrel {

FormState initialForm() {
    FormState s;
    s.caption = "Fendrel";
    s.backColor = 0x000080;
    s.lines = {
        Line{3720, 5040, 3720, 840, 0x8080FF, 3},
        Line{3720, 5040, 6960, 5040, 0x00FF00, 3},
        Line{3720, 5040, 6960, 840, 0x00FFFF, 3},
    };
    s.labels = {
        Label{3600, 480, std::string(facts(Vec::A).labelCaption), "", 0x8080FF, 0x800000, true, 12},
        Label{6960, 4920, std::string(facts(Vec::B).labelCaption), "", 0x00FF00, 0x800000, false, 9.75},
        Label{6840, 480, std::string(facts(Vec::R).labelCaption), "", 0x00FFFF, 0x800000, false, 9.75},
    };
    for (const Element& e : elements()) s.menu(e.id) = {std::string(_(e.caption)), !e.is(kDisabled), e.is(kChecked)};
    return s;
}

}  // namespace fendrel
