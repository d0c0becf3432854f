// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/figure_view.h"

#include <algorithm>
#include <cmath>

#include <QScreen>
#include <QWidget>

namespace fendrel {

WindowUnits WindowUnits::of(const QWidget& w, double zoom, QPointF origin) {
    const QScreen& screen = *w.screen();
    return {screen.logicalDotsPerInchX(), screen.logicalDotsPerInchY(), zoom, origin};
}

namespace {

// A zoom on a rung up to rounding error counts as on it; one that fitting left between two
// rungs steps to the next rung in the chosen direction.
constexpr double kSlack = 1e-9;

// The zoom as a power of kZoomStep.
double rung(double zoom) { return std::log(zoom) / std::log(kZoomStep); }

double withinRange(double zoom) { return std::isfinite(zoom) ? std::clamp(zoom, kMinZoom, kMaxZoom) : 1.0; }

// How far to move `from`..`to` (one axis of the shown box) so that at least `kept` of it
// lies within 0..length.
double shiftKeeping(double from, double to, double length) {
    const double kept = std::min(kKeptInView, (to - from) / 2);
    if (to < kept) return kept - to;
    if (from > length - kept) return length - kept - from;
    return 0;
}

// How far to move `from`..`to` so that it lies within the margin of 0..length, or is
// centred there when it is too long for that.
double shiftBringing(double from, double to, double length) {
    if (to - from > length - 2 * kFramingMargin) return (length - from - to) / 2;
    if (from < kFramingMargin) return kFramingMargin - from;
    if (to > length - kFramingMargin) return length - kFramingMargin - to;
    return 0;
}

// The origin that shows the point `units` (window units) at the pixel `at` under the
// conversion `scale`, whose own origin is ignored.
QPointF originShowing(QPointF units, QPointF at, const WindowUnits& scale) {
    return at - scale.withOrigin({}).toPixels(units.x(), units.y());
}

}  // namespace

double zoomedIn(double zoom) {
    return withinRange(std::pow(kZoomStep, std::floor(rung(withinRange(zoom)) + kSlack) + 1));
}

double zoomedOut(double zoom) {
    return withinRange(std::pow(kZoomStep, std::ceil(rung(withinRange(zoom)) - kSlack) - 1));
}

double fittingZoom(double availableWidth, double availableHeight, double fullWidth, double fullHeight) {
    const double zoom = std::min(availableWidth / fullWidth, availableHeight / fullHeight);
    return std::isfinite(zoom) && zoom > 0 ? std::clamp(zoom, kMinZoom, kMaxZoom) : kMinZoom;
}

QRectF figureBox(const PerVector<Line>& lines, const PerVector<QWidget*>& labels, const WindowUnits& units) {
    QRectF box;
    for (const Line& line : lines)
        box |= QRectF(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2)).normalized();
    for (const QWidget* label : labels) {
        const QRectF shown = label->geometry();
        box |= QRectF(units.toUnits(shown.topLeft()), units.toUnits(shown.bottomRight() + QPointF(1, 1)));
    }
    return box;
}

void FigureView::set(const ViewSettings& settings, QSizeF canvas, const WindowUnits& actual) {
    if (settings.fitToWindow && !settings_.fitToWindow)
        showFramed(settings, canvas, actual);
    else
        settings_ = settings;
}

// Worked out once, from where the figure stands at actual size, so that opening paints once.
void FigureView::present(const ViewSettings& settings, QSizeF canvas, const WindowUnits& actual) {
    if (settings.fitToWindow) {
        showFramed(settings, canvas, actual);
        return;
    }
    const WindowUnits zoomed = actual.atZoom(settings.zoom);
    const QPointF centre = figureBox_.center();
    const QPointF origin = originShowing(centre, actual.toPixels(centre.x(), centre.y()), zoomed);
    const QRectF shown = shownFigure(zoomed.withOrigin(origin));
    settings_ = settings;
    origin_ = origin + QPointF(shiftBringing(shown.left(), shown.right(), canvas.width()),
                               shiftBringing(shown.top(), shown.bottom(), canvas.height()));
}

void FigureView::frame(QSizeF canvas, const WindowUnits& actual) { showFramed(settings_, canvas, actual); }

void FigureView::showFramed(ViewSettings settings, QSizeF canvas, const WindowUnits& actual) {
    const QSizeF full = actual.toPixels(figureBox_.size());
    settings.zoom = fittingZoom(canvas.width() - 2 * kFramingMargin, canvas.height() - 2 * kFramingMargin,
                                full.width(), full.height());
    settings.fitToWindow = true;
    settings_ = settings;
    origin_ = originShowing(figureBox_.center(), QPointF(canvas.width() / 2, canvas.height() / 2),
                            actual.atZoom(settings.zoom));
}

void FigureView::zoomKeepingFigure(double zoom, const WindowUnits& actual) {
    const QPointF centre = figureBox_.center();
    const WindowUnits now = units(actual);
    origin_ = originShowing(centre, now.toPixels(centre.x(), centre.y()), now.atZoom(zoom));
    settings_.zoom = zoom;
    settings_.fitToWindow = false;
}

void FigureView::showActualSize() {
    settings_.zoom = 1.0;
    settings_.fitToWindow = false;
    origin_ = QPointF();
}

void FigureView::pan(QPointF by, QSizeF canvas, const WindowUnits& actual) {
    const QPointF moved = origin_ + by;
    const QRectF shown = shownFigure(units(actual).withOrigin(moved));
    settings_.fitToWindow = false;
    origin_ = moved + QPointF(shiftKeeping(shown.left(), shown.right(), canvas.width()),
                              shiftKeeping(shown.top(), shown.bottom(), canvas.height()));
}

QRectF FigureView::shownFigure(const WindowUnits& at) const {
    return {at.toPixels(figureBox_.left(), figureBox_.top()), at.toPixels(figureBox_.size())};
}

}  // namespace fendrel
