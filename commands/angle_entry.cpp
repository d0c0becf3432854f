// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "commands/angle_unit.h"
#include "commands/commands.h"
#include "commands/follow_up.h"
#include "commands/typed_answer.h"
#include "model/angles.h"
#include "model/single.h"

namespace fendrel {

void angleClick(FormState& s, Host& host, Vec v) {
    const auto typed = askNumber(host, angleUnitName(s.vars.radMode), _(facts(v).angleTitle));
    if (!typed) return;
    const double theta = s.vars.radMode ? *typed : *typed / kDegreesPerRadian;
    const double m = s.vars.magnitude[v].read();  // the stored length, not a fresh measurement
    const double dy = m * std::sin(theta);
    const double dx = m * std::cos(theta);
    Line& l = s.line(v);
    l.x2 = single(l.x1 + dx);
    l.y2 = single(l.y1 - dy);
    followUpAndRefresh(s, v);
}

}  // namespace fendrel
