// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/grid_painter.h"

#include <cmath>

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>

namespace fendrel {

namespace {
constexpr double kMostLines = 100000;
constexpr int kFaintness = 20;  // percent of the way from the background to white or black
}  // namespace

std::vector<double> gridPositions(double origin, double spacing, double from, double to) {
    if (!(spacing > 0) || !std::isfinite(origin) || !((to - from) / spacing < kMostLines)) return {};
    std::vector<double> positions;
    for (double k = std::ceil((from - origin) / spacing); origin + k * spacing <= to; ++k)
        positions.push_back(origin + k * spacing);
    return positions;
}

QColor gridColour(QColor background) {
    // Mixed here rather than blended by the painter: opaque lines take its fast path.
    const int toward = background.lightness() < 128 ? 255 : 0;
    const auto mix = [toward](int channel) { return channel + (toward - channel) * kFaintness / 100; };
    return QColor(mix(background.red()), mix(background.green()), mix(background.blue()));
}

// One pixel wide lines. On the screen the vertical ones are set in a single row of pixels
// that is then repeated down the area with the background, in one fill: painting each as a
// rectangle or a stroke would go row by row through the painter once per line. A drawing
// (SVG) gets each line as a rectangle of its own.
void paintGrid(QPainter& painter, const QRectF& area, QPointF origin, QPointF spacing, QColor background) {
    const QRect pixels = area.toAlignedRect();
    const QColor colour = gridColour(background);
    const std::vector<double> columns = gridPositions(origin.x(), spacing.x(), area.left(), area.right());
    if (painter.paintEngine()->type() == QPaintEngine::Raster) {
        QImage row(pixels.width(), 1, QImage::Format_RGB32);
        row.fill(background);
        for (double x : columns) {
            const int column = static_cast<int>(std::floor(x)) - pixels.left();
            if (column >= 0 && column < row.width()) row.setPixelColor(column, 0, colour);
        }
        painter.drawTiledPixmap(pixels, QPixmap::fromImage(row));
    } else {
        painter.fillRect(pixels, background);
        for (double x : columns)
            painter.fillRect(QRect(static_cast<int>(std::floor(x)), pixels.top(), 1, pixels.height()), colour);
    }
    for (double y : gridPositions(origin.y(), spacing.y(), area.top(), area.bottom()))
        painter.fillRect(QRect(pixels.left(), static_cast<int>(std::floor(y)), pixels.width(), 1), colour);
}

}  // namespace fendrel
