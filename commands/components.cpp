// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <string>

#include "commands/commands.h"
#include "commands/follow_up.h"
#include "model/numbers.h"
#include "model/single.h"

namespace fendrel {

namespace {

struct ComponentPrompt {
    Vec vector;
    Axis axis;
    std::string_view pattern;
    std::string_view title;
};

// TRANSLATORS: the prompt for a new component; {value} is the component now, with a blank
// before it unless negative. Rx's has no blank before the colon: translate both alike.
constexpr std::array<ComponentPrompt, 6> kPrompts{{
    {Vec::A, Axis::X, N_("Current value :{value}"), C_("prompt title", "Ax")},
    {Vec::A, Axis::Y, N_("Current value :{value}"), C_("prompt title", "Ay")},
    {Vec::B, Axis::X, N_("Current value :{value}"), C_("prompt title", "Bx")},
    {Vec::B, Axis::Y, N_("Current value :{value}"), C_("prompt title", "By")},
    {Vec::R, Axis::X, N_("Current value:{value}"), C_("prompt title", "Rx")},
    {Vec::R, Axis::Y, N_("Current value :{value}"), C_("prompt title", "Ry")},
}};

void componentClick(FormState& s, Host& host, Vec v, Axis axis) {
    const ComponentPrompt& prompt = *std::find_if(
        kPrompts.begin(), kPrompts.end(), [&](const ComponentPrompt& p) { return p.vector == v && p.axis == axis; });
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
