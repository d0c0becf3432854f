// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/shown_number.h"

#include "model/catalogue.h"
#include "model/numbers.h"

namespace fendrel {

std::string withDecimalSeparator(std::string number) {
    const Catalogue& language = catalogue();
    if (language.code.empty()) return number;
    const std::string& separator = language.separator;
    std::string out;
    out.reserve(number.size() + separator.size() + 1);
    for (char c : number) {
        if (c != '.') {
            out.push_back(c);
            continue;
        }
        if (language.leadingZero && (out.empty() || out.back() < '0' || out.back() > '9')) out.push_back('0');
        out.append(separator);
    }
    return out;
}

std::string shownNumber(double v) { return withDecimalSeparator(display(v)); }
std::string shownNumber(float v) { return withDecimalSeparator(display(v)); }
std::string shownNumber(Number v) { return withDecimalSeparator(display(v)); }

char typedDecimalSeparator() {
    const std::string& separator = catalogue().separator;
    return separator.size() == 1 && separator != "." ? separator.front() : '\0';
}

}  // namespace fendrel
