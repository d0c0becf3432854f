// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cmath>
#include <string>

#include "commands/commands.h"
#include "commands/follow_up.h"
#include "model/angles.h"
#include "model/numbers.h"
#include "model/single.h"

namespace fendrel {

namespace {
constexpr std::array<std::string_view, 3> kTitles{"Vector A", "Vector B", "Vector R"};
}  // namespace

void sizeClick(FormState& s, Host& host, Vec v) {
    const size_t i = static_cast<size_t>(index(v));
    const Line& l = s.line(v);
    const float dx = l.x2 - l.x1;
    const float dy = l.y2 - l.y1;
    const Number divisor = s.vars.mod[i];
    const auto m = askNumber(host, "Current value :" + display(divisor), kTitles[i]);
    if (!m) return;

    Line& edited = s.line(v);
    const double mod = divisor.read();
    if (mod != 0) {
        const double ndx = (dx * *m) / mod;
        const double ndy = (dy * *m) / mod;
        edited.x2 = single(edited.x1 + ndx);
        edited.y2 = single(edited.y1 + ndy);
    } else {
        // No extent to scale: the vector takes the length along the direction it is shown with.
        const double angle = s.vars.ang[i].read();
        const double theta = s.vars.radMode ? angle : angle / kDegreesPerRadian;
        edited.x2 = single(edited.x1 + *m * std::cos(theta));
        edited.y2 = single(edited.y1 - *m * std::sin(theta));
    }
    followUpAndRefresh(s, v);
}

}  // namespace fendrel
