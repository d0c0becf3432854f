#include "ui/grid_painter.h"

#include <cmath>

#include <QLineF>
#include <QPainter>

namespace fendrel {

namespace {
constexpr double kMostLines = 100000;
}  // namespace

std::vector<double> gridPositions(double origin, double spacing, double from, double to) {
    if (!(spacing > 0) || !std::isfinite(origin) || !((to - from) / spacing < kMostLines)) return {};
    std::vector<double> positions;
    for (double k = std::ceil((from - origin) / spacing); origin + k * spacing <= to; ++k)
        positions.push_back(origin + k * spacing);
    return positions;
}

QColor gridColour(QColor background) {
    return background.lightness() < 128 ? QColor(255, 255, 255, 48) : QColor(0, 0, 0, 48);
}

void paintGrid(QPainter& painter, const QRectF& area, QPointF origin, QPointF spacing, QColor colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 1));
    for (double x : gridPositions(origin.x(), spacing.x(), area.left(), area.right()))
        painter.drawLine(QLineF(x, area.top(), x, area.bottom()));
    for (double y : gridPositions(origin.y(), spacing.y(), area.top(), area.bottom()))
        painter.drawLine(QLineF(area.left(), y, area.right(), y));
    painter.restore();
}

}  // namespace fendrel
