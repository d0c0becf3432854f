// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <string>

#include "commands/commands.h"

namespace fendrel {

void infoClick(FormState&, Host& host, Vec) {
    constexpr char kCR = '\r';
    std::string text = "Fendrel was made by the Fendrel contributors";
    text += kCR;
    text += "Free teaching software, written in C++ with Qt";
    text += kCR;
    text += "Last edition : 15th September 2005";
    text += {kCR, kCR};
    text += "Web page: none yet; see the README shipped with the program";
    const int d = static_cast<int>(std::floor(host.rnd() * 10.0f));
    if (d > 8) {
        text += kCR;
        text += "E-mail: none; ask whoever installed Fendrel";
    }
    host.messageBox(text, 64, "INFO");
}

}  // namespace fendrel
