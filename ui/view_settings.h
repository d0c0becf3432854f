// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the canvas draws the figure: none of it reaches the window logic or any number shown.
namespace fendrel {

inline constexpr double kMinZoom = 0.5;
inline constexpr double kMaxZoom = 4.0;
inline constexpr double kZoomStep = 1.25;

struct ViewSettings {
    double zoom = 1.0;          // the chosen zoom; while fitting, the window's size decides
    bool fitToWindow = false;
    bool arrowHeads = false;
    bool grid = false;

    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

// The next zoom on the ladder of powers of 1.25 above (below) the given one, kept within
// kMinZoom and kMaxZoom; the ladder passes through 1, so stepping back returns to it.
double zoomedIn(double zoom);
double zoomedOut(double zoom);

// The largest zoom at which the full area (in pixels at zoom 1) fits into the available
// one, aspect kept, within kMinZoom and kMaxZoom.
double fittingZoom(double availableWidth, double availableHeight, double fullWidth, double fullHeight);

}  // namespace fendrel
