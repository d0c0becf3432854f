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
    std::string_view literal;
    std::string_view title;
};

constexpr std::array<ComponentPrompt, 6> kPrompts{{
    {Vec::A, Axis::X, "Current value :", "Ax"},
    {Vec::A, Axis::Y, "Current value :", "Ay"},
    {Vec::B, Axis::X, "Current value :", "Bx"},
    {Vec::B, Axis::Y, "Current value :", "By"},
    {Vec::R, Axis::X, "Current value:", "Rx"},
    {Vec::R, Axis::Y, "Current value :", "Ry"},
}};

void componentClick(FormState& s, Host& host, Vec v, Axis axis) {
    const ComponentPrompt& prompt = *std::find_if(
        kPrompts.begin(), kPrompts.end(), [&](const ComponentPrompt& p) { return p.vector == v && p.axis == axis; });
    const bool y = axis == Axis::Y;
    Line& l = s.line(v);
    const float c = y ? -(l.y2 - l.y1) : l.x2 - l.x1;
    const auto typed = askNumber(host, std::string(prompt.literal) + display(c), prompt.title, plainText(c));
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
