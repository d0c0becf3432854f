// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/view_settings.h"

#include <algorithm>
#include <cmath>

namespace fendrel {

namespace {

// A zoom on a rung up to rounding error counts as on it; one that fitting left between two
// rungs steps to the next rung in the chosen direction.
constexpr double kSlack = 1e-9;

// The zoom as a power of kZoomStep.
double rung(double zoom) { return std::log(zoom) / std::log(kZoomStep); }

double withinRange(double zoom) { return std::isfinite(zoom) ? std::clamp(zoom, kMinZoom, kMaxZoom) : 1.0; }

}  // namespace

double zoomedIn(double zoom) {
    return withinRange(std::pow(kZoomStep, std::floor(rung(withinRange(zoom)) + kSlack) + 1));
}

double zoomedOut(double zoom) {
    return withinRange(std::pow(kZoomStep, std::ceil(rung(withinRange(zoom)) - kSlack) - 1));
}

double fittingZoom(double availableWidth, double availableHeight, double fullWidth, double fullHeight) {
    const double zoom = std::min(availableWidth / fullWidth, availableHeight / fullHeight);
    return std::isfinite(zoom) && zoom > 0 ? std::clamp(zoom, kMinZoom, kMaxZoom) : kMinZoom;
}

}  // namespace fendrel
