// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>

#include <QRect>

#include "model/state.h"

class QWidget;

namespace fendrel {

// Moves each box in turn, where one before it would cover it or come closer than the focus
// ring's width, up or down to the nearest place clear of every box before it: inside the
// canvas's `height` first when it stood inside, then the least move, a tie going down. The
// first box stays where it is.
void moveApart(std::span<QRect> boxes, int height);

// Moves each label that a label above it in the stacking (bottom to top) would cover, or come
// closer to than the focus ring's width, up or down to the nearest place clear of every
// label above it, so that every letter shows and the ring around any one label covers no
// other. A label that stood inside the canvas stays inside it where there is room, rather
// than sliding under the edge (the values panel lies below). Only the drawing moves: where
// the labels stand in the window's state does not change.
void drawLabelsApart(const PerVector<QWidget*>& labels, const std::array<Vec, 3>& stacking);

}  // namespace fendrel
