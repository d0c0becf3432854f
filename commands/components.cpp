// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>

#include "commands/commands.h"
#include "commands/follow_up.h"
#include "model/numbers.h"
#include "model/single.h"

namespace fendrel {

namespace {

struct ComponentCommand {
    Menu item;
    Vec vector;
    bool y;  // the y component, shown and typed positive upwards
    std::string_view promptLiteral;
    std::string_view title;
};

constexpr std::array<ComponentCommand, 6> kComponentCommands{{
    {Menu::Ax, Vec::A, false, "Current value :", "Ax"},
    {Menu::Ay, Vec::A, true, "Current value :", "Ay"},
    {Menu::Bx, Vec::B, false, "Current value :", "Bx"},
    {Menu::By, Vec::B, true, "Current value :", "By"},
    {Menu::Rx, Vec::R, false, "Current value:", "Rx"},
    {Menu::Ry, Vec::R, true, "Current value :", "Ry"},
}};

}  // namespace

void componentClick(FormState& s, Host& host, Menu item) {
    for (const ComponentCommand& cmd : kComponentCommands) {
        if (cmd.item != item) continue;
        Line& l = s.line(cmd.vector);
        const float c = cmd.y ? -(l.y2 - l.y1) : l.x2 - l.x1;
        const auto v = askNumber(host, std::string(cmd.promptLiteral) + display(c), cmd.title, plainText(c));
        if (!v) return;
        if (cmd.y)
            l.y2 = single(l.y1 + (-*v));
        else
            l.x2 = single(l.x1 + *v);
        followUpAndRefresh(s, cmd.vector, !cmd.y, cmd.y);
        return;
    }
}

}  // namespace fendrel
