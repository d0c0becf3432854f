// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the window draws the figure. The window alone gives these a meaning; a lesson file
// carries them along with its figure, and none of them reaches any number shown.
namespace fendrel {

inline constexpr double kMinZoom = 0.5;
inline constexpr double kMaxZoom = 4.0;

// How each vector's components are drawn: not at all; x from the tail, then y up to the tip;
// both from the tail; or x on the horizontal and y on the vertical axis through the origin.
enum class ComponentStyle { Off, Triangle, FromTail, OnAxes };

struct ViewSettings {
    double zoom = 1.0;          // the chosen zoom; while fitting, the window's size decides
    bool fitToWindow = false;
    bool arrowHeads = false;
    bool grid = false;
    ComponentStyle components = ComponentStyle::Off;
    bool angles = false;        // each vector's direction and the angle between A and B as arcs

    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

}  // namespace fendrel
