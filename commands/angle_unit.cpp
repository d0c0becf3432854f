// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/angle_unit.h"

#include "commands/commands.h"
#include "model/refresh.h"
#include "model/translation.h"

namespace fendrel {

void setAngleUnit(FormState& s, bool radians) {
    s.vars.radMode = radians;
    s.menu(Menu::AngleMode).caption = angleUnitName(radians);
}

void angleModeClick(FormState& s, Host&, Vec) {
    setAngleUnit(s, !s.vars.radMode);
    refreshQuantities(s);
}

}  // namespace fendrel
