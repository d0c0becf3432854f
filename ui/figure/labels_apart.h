// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>

#include <QRect>

#include "model/state.h"

class QWidget;

namespace fendrel {

// Moves each box that a box before it would cover to just below that one, so that no two
// boxes overlap; the first stays where it is, and a box only ever moves down.
void moveApart(std::span<QRect> boxes);

// Moves each label that a label above it in the stacking (bottom to top) would cover to
// just below that one, so that every letter shows. Only the drawing moves: where the
// labels stand in the window's state does not change.
void drawLabelsApart(const PerVector<QWidget*>& labels, const std::array<Vec, 3>& stacking);

}  // namespace fendrel
