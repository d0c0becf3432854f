// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/commands.h"
#include "interaction/placement.h"

namespace fendrel {

void modeAClick(FormState& s, Host&, Vec) {
    s.menu(Menu::ModeA).checked = true;
    s.menu(Menu::ModeB).checked = false;
    Line& b = s.line(Vec::B);
    const Line& a = s.line(Vec::A);
    const float dx = b.x2 - b.x1;
    const float dy = b.y2 - b.y1;
    b.y1 = a.y1;
    b.x1 = a.x1;
    b.x2 = a.x1 + dx;
    b.y2 = a.y1 + dy;
    s.putLabelOnTip(Vec::B);
}

void modeBClick(FormState& s, Host&, Vec) {
    s.menu(Menu::ModeA).checked = false;
    s.menu(Menu::ModeB).checked = true;
    placeBHeadToTail(s);
}

}  // namespace fendrel
