// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cmath>

#include "commands/commands.h"
#include "interaction/placement.h"
#include "model/numbers.h"
#include "model/refresh.h"

namespace fendrel {

namespace {
constexpr std::array<std::string_view, 3> kTitles{"Vector A", "Vector B", "Vector R"};
}  // namespace

void constantClick(FormState& s, Host& host, Vec v) {
    std::array<bool, 3> before{};
    for (Vec w : kVectors) {
        MenuElement& item = s.menu(constantItem(w));
        before[static_cast<size_t>(index(w))] = item.checked;
        item.checked = w == v ? !item.checked : false;
    }
    if (s.checked(constantItem(v))) {
        for (;;) {
            const auto reply = host.inputBox("Constant value <>0", kTitles[static_cast<size_t>(index(v))], "");
            if (!reply) {  // cancelled: the marks go back, nothing else happened
                for (Vec w : kVectors) s.menu(constantItem(w)).checked = before[static_cast<size_t>(index(w))];
                return;
            }
            const double k = round2(readNumber(*reply));
            if (std::isfinite(k) && k != 0) {
                s.vars.kConst = Number::dbl(k);
                break;
            }
        }
    }
    vectorcolors(s);
    grandezze(s);
}

}  // namespace fendrel
