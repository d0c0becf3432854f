// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/follow_up.h"

#include <cmath>

#include "interaction/placement.h"
#include "model/numbers.h"
#include "model/refresh.h"

namespace fendrel {

double readReply(std::string_view reply) { return readNumber(reply, typedDecimalSeparator()); }

std::optional<double> askNumber(Host& host, std::string_view prompt, std::string_view title,
                                std::string_view defaultText) {
    const auto reply = host.inputBox(prompt, title, defaultText);
    if (!reply) return std::nullopt;
    const double v = readReply(*reply);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

void followUpAndRefresh(FormState& s, Vec edited, bool x, bool y) {
    switch (edited) {
        case Vec::A:
            resultantFollowsA(s);
            if (s.modeB()) drawB(s);
            break;
        case Vec::B:
            if (s.modeB()) {
                if (y) s.line(Vec::R).y2 = s.line(Vec::B).y2;
                if (x) s.line(Vec::R).x2 = s.line(Vec::B).x2;
            } else {
                resultantFollowsB(s, x, y);
            }
            break;
        case Vec::R:
            yieldToResultant(s);
            if (s.modeB()) drawB(s);
            break;
    }
    grandezze(s);
}

}  // namespace fendrel
