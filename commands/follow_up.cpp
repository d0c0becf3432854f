// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/follow_up.h"

#include "interaction/placement.h"
#include "model/refresh.h"

namespace fendrel {

void followUpAndRefresh(FormState& s, Vec edited, bool x, bool y) {
    switch (edited) {
        case Vec::A:
            resultantFollowsA(s);
            if (s.modeB()) placeBHeadToTail(s);
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
            if (s.modeB()) placeBHeadToTail(s);
            break;
    }
    refreshQuantities(s);
}

}  // namespace fendrel
