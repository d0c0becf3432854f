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

// Faint on the background: light on a dark one, dark on a light one.
QColor gridColour(QColor background);

// Grid lines through the origin over the area, spacing in pixels along each axis.
void paintGrid(QPainter& painter, const QRectF& area, QPointF origin, QPointF spacing, QColor colour);

}  // namespace fendrel
