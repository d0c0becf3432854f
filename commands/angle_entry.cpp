// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cmath>

#include "commands/commands.h"
#include "commands/follow_up.h"
#include "model/angles.h"
#include "model/single.h"

namespace fendrel {

namespace {
constexpr std::array<std::string_view, 3> kTitles{"New value for angle A", "New value for angle B",
                                                  "New value for angle R"};
}  // namespace

void angleClick(FormState& s, Host& host, Vec v) {
    const size_t i = static_cast<size_t>(index(v));
    const auto typed = askNumber(host, s.vars.radMode ? "Radians" : "Degrees", kTitles[i]);
    if (!typed) return;
    const double theta = s.vars.radMode ? *typed : *typed / kDegreesPerRadian;
    const double m = s.vars.mod[i].read();  // the stored length, not a fresh measurement
    const double dy = m * std::sin(theta);
    const double dx = m * std::cos(theta);
    Line& l = s.line(v);
    l.x2 = single(l.x1 + dx);
    l.y2 = single(l.y1 - dy);
    followUpAndRefresh(s, v);
}

}  // namespace fendrel
