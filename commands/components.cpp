// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "commands/commands.h"
#include "commands/follow_up.h"
#include "commands/typed_answer.h"
#include "model/numbers.h"
#include "model/shown_number.h"
#include "model/single.h"

namespace fendrel {

namespace {

void componentClick(FormState& s, Host& host, Vec v, Axis axis) {
    const ComponentPrompt& prompt = facts(v).componentPrompts[axis];
    const bool y = axis == Axis::Y;
    Line& l = s.line(v);
    const float c = y ? -(l.y2 - l.y1) : l.x2 - l.x1;
    const auto typed = askNumber(host, fill(_(prompt.pattern), {{"value", shownNumber(c)}}),
                                 _(prompt.title), withDecimalSeparator(plainText(c)));
    if (!typed) return;
    if (y)
        l.y2 = single(l.y1 + (-*typed));
    else
        l.x2 = single(l.x1 + *typed);
    followUpAndRefresh(s, v, !y, y);
}

}  // namespace

void xComponentClick(FormState& s, Host& host, Vec v) { componentClick(s, host, v, Axis::X); }
void yComponentClick(FormState& s, Host& host, Vec v) { componentClick(s, host, v, Axis::Y); }

}  // namespace fendrel
