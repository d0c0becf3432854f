// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "model/state.h"
#include "ui/window_units.h"

class QWidget;

// Where the view puts the figure on the canvas: the zoom, and the origin (the pixel where
// the corner of the window units lies).
namespace fendrel {

struct Framing {
    double zoom = 1.0;
    QPointF origin;
};

// Pixels left free around a framed figure, on each side.
inline constexpr double kFramingMargin = 24;
// Pixels of the figure a pan always leaves on the canvas.
inline constexpr double kKeptInView = 48;

// The box around the lines and the labels (widgets placed under `units`), in window units.
QRectF figureBox(const PerVector<Line>& lines, const PerVector<QWidget*>& labels, const WindowUnits& units);

// The origin that shows the point `units` (window units) at the pixel `at` under the
// conversion `scale`, whose own origin is ignored.
QPointF originShowing(QPointF units, QPointF at, const WindowUnits& scale);

// The largest zoom within the zoom range at which `box` (window units) fits into `canvas`
// (pixels) with the margin all round, and the origin that centres it there; `actual` is
// the conversion at zoom 1.
Framing framing(const QRectF& box, QSizeF canvas, const WindowUnits& actual);

// `origin`, moved as little as it takes to bring all of `shown` (the figure's box in pixels
// under that origin) onto `canvas` within the margin, or to centre it where it is too large.
QPointF bringingIntoView(QPointF origin, const QRectF& shown, QSizeF canvas);

// `origin`, moved as little as it takes to leave some of `shown` (the figure's box in
// pixels under that origin) on `canvas`.
QPointF keepingSomeInView(QPointF origin, const QRectF& shown, QSizeF canvas);

}  // namespace fendrel
