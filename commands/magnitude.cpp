// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <string>

#include "commands/commands.h"
#include "commands/follow_up.h"
#include "commands/typed_answer.h"
#include "model/angles.h"
#include "model/shown_number.h"
#include "model/single.h"

namespace fendrel {

void sizeClick(FormState& s, Host& host, Vec v) {
    Line& l = s.line(v);
    const float dx = l.x2 - l.x1;
    const float dy = l.y2 - l.y1;
    const Number divisor = s.vars.magnitude[v];
    // TRANSLATORS: the prompt for a new magnitude; {value} is the magnitude now, with a blank
    // before it unless negative.
    const auto m = askNumber(host, fill(_("Current value :{value}"), {{"value", shownNumber(divisor)}}), _(facts(v).title));
    if (!m) return;

    const double magnitude = divisor.read();
    if (magnitude != 0) {
        const double ndx = (dx * *m) / magnitude;
        const double ndy = (dy * *m) / magnitude;
        l.x2 = single(l.x1 + ndx);
        l.y2 = single(l.y1 + ndy);
    } else {
        // No extent to scale: the vector takes the length along the direction it is shown with.
        const double angle = s.vars.direction[v].read();
        const double theta = s.vars.radMode ? angle : angle / kDegreesPerRadian;
        l.x2 = single(l.x1 + *m * std::cos(theta));
        l.y2 = single(l.y1 - *m * std::sin(theta));
    }
    followUpAndRefresh(s, v);
}

}  // namespace fendrel
