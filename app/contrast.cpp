// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/contrast.h"

#include <algorithm>
#include <cmath>

namespace fendrel {

namespace {

double linear(unsigned channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Each channel `share` of the way from `from` to `to`, rounded.
Color mixed(Color from, Color to, double share) {
    Color c = 0;
    for (unsigned shift : {0u, 8u, 16u}) {
        const double a = (from >> shift) & 0xFFu, b = (to >> shift) & 0xFFu;
        c |= static_cast<Color>(std::lround(a + (b - a) * share)) << shift;
    }
    return c;
}

}  // namespace

double relativeLuminance(Color c) {
    return 0.2126 * linear(c & 0xFFu) + 0.7152 * linear((c >> 8) & 0xFFu) + 0.0722 * linear((c >> 16) & 0xFFu);
}

double contrastRatio(Color a, Color b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color readableOn(Color text, Color background, double ratio) {
    const Color extreme = relativeLuminance(background) < 0.18 ? 0xFFFFFF : 0x000000;
    constexpr int kSteps = 64;
    for (int step = 0; step < kSteps; ++step) {
        const Color c = mixed(text, extreme, static_cast<double>(step) / kSteps);
        if (contrastRatio(c, background) >= ratio) return c;
    }
    return extreme;
}

}  // namespace fendrel
