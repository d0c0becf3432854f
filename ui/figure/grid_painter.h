// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QColor>

class QPainter;
class QRectF;
class QPointF;

namespace fendrel {

// Where lines through `origin`, `spacing` apart, cross the range [from, to]; empty for a
// spacing that is not positive or would give more lines than any screen has pixels.
std::vector<double> gridPositions(double origin, double spacing, double from, double to);

// Faint on the background, and opaque: lighter on a dark one, darker on a light one.
QColor gridColour(QColor background);

// Fills the area with the background crossed by grid lines through the origin, spacing in
// pixels along each axis, in the grid colour for that background.
void paintGrid(QPainter& painter, const QRectF& area, QPointF origin, QPointF spacing, QColor background);

}  // namespace fendrel
