// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/grid_spacing.h"

#include <cmath>

namespace fendrel {

std::optional<double> gridSpacing(double windowUnitsPerPixel, double captionUnitsPerWindowUnit) {
    if (!(std::isfinite(windowUnitsPerPixel) && windowUnitsPerPixel > 0)) return std::nullopt;
    const double scale = std::abs(captionUnitsPerWindowUnit);
    const double logScale = std::isfinite(scale) && scale > 0 ? std::log10(scale) : 0.0;
    // Worked in powers of ten, so neither a huge nor a tiny scale overflows: the shortest
    // allowed spacing in window units, then in caption units.
    const double shortest = kMinGridPixels * windowUnitsPerPixel;
    const double logShortest = std::log10(shortest) + logScale;
    const double decade = std::floor(logShortest);
    double logStep = decade + 1;
    for (double mantissa : {1.0, 2.0, 5.0}) {
        if (decade + std::log10(mantissa) >= logShortest - 1e-12) {
            logStep = decade + std::log10(mantissa);
            break;
        }
    }
    return shortest * std::pow(10.0, logStep - logShortest);
}

}  // namespace fendrel
