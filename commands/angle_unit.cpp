// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/commands.h"
#include "model/refresh.h"

namespace fendrel {

void angleModeClick(FormState& s, Host&, Vec) {
    s.vars.radMode = !s.vars.radMode;
    s.menu(Menu::AngleMode).caption = s.vars.radMode ? "Radians" : "Degrees";
    grandezze(s);
}

}  // namespace fendrel
