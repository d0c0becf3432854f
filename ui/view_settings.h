// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/view_settings.h"

// The zoom steps of the window's View menu.
namespace fendrel {

inline constexpr double kZoomStep = 1.25;

// The next zoom on the ladder of powers of 1.25 above (below) the given one, kept within
// kMinZoom and kMaxZoom; the ladder passes through 1, so stepping back returns to it.
double zoomedIn(double zoom);
double zoomedOut(double zoom);

// The largest zoom at which the full area (in pixels at zoom 1) fits into the available
// one, aspect kept, within kMinZoom and kMaxZoom.
double fittingZoom(double availableWidth, double availableHeight, double fullWidth, double fullHeight);

}  // namespace fendrel
