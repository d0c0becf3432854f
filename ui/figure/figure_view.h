// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "app/view_settings.h"
#include "model/state.h"

class QWidget;

// How the canvas shows the figure: the conversion from window units to pixels, the zoom
// ladder, and the view itself, which zoom steps, framing and panning move.
namespace fendrel {

// Window units are 1440 per inch of the screen's logical resolution, times the view's zoom;
// pixels here are logical (device-independent) pixels, counted from where the view has put
// the corner of the window units (`origin`, in pixels). Painting, the pointer, line widths
// and label fonts all go through this one conversion.
class WindowUnits {
public:
    WindowUnits(double dpiX, double dpiY, double zoom, QPointF origin = {})
        : dpiX_(dpiX), dpiY_(dpiY), zoom_(zoom), origin_(origin) {}
    // The resolution of the screen the widget is on, at the given zoom and origin.
    static WindowUnits of(const QWidget& w, double zoom, QPointF origin = {});

    // The same screen at another zoom, or with another origin.
    WindowUnits atZoom(double zoom) const { return {dpiX_, dpiY_, zoom, origin_}; }
    WindowUnits withOrigin(QPointF origin) const { return {dpiX_, dpiY_, zoom_, origin}; }

    QPointF toPixels(double x, double y) const {
        return QPointF(x * dotsX() / kPerInch, y * dotsY() / kPerInch) + origin_;
    }
    QSizeF toPixels(QSizeF units) const { return {units.width() * dotsX() / kPerInch, units.height() * dotsY() / kPerInch}; }
    QPointF toUnits(QPointF pixels) const {
        return {(pixels.x() - origin_.x()) * kPerInch / dotsX(), (pixels.y() - origin_.y()) * kPerInch / dotsY()};
    }
    // A size given for the actual size (a line width in pixels, a font in points) as shown.
    double zoomed(double atActualSize) const { return atActualSize * zoom_; }
    double zoom() const { return zoom_; }

private:
    static constexpr double kPerInch = 1440.0;
    // Pixels per inch as shown.
    double dotsX() const { return dpiX_ * zoom_; }
    double dotsY() const { return dpiY_ * zoom_; }

    double dpiX_, dpiY_;
    double zoom_;
    QPointF origin_;
};

inline constexpr double kZoomStep = 1.25;

// The next zoom on the ladder of powers of 1.25 above (below) the given one, kept within
// kMinZoom and kMaxZoom; the ladder passes through 1, so stepping back returns to it.
double zoomedIn(double zoom);
double zoomedOut(double zoom);

// The largest zoom at which the full area (in pixels at zoom 1) fits into the available
// one, aspect kept, within kMinZoom and kMaxZoom.
double fittingZoom(double availableWidth, double availableHeight, double fullWidth, double fullHeight);

// Pixels left free around a framed figure, on each side.
inline constexpr double kFramingMargin = 24;
// Pixels of the figure a pan always leaves on the canvas.
inline constexpr double kKeptInView = 48;

// The box around the lines and the labels (widgets placed under `units`), in window units.
QRectF figureBox(const PerVector<Line>& lines, const PerVector<QWidget*>& labels, const WindowUnits& units);

// What the canvas shows of the figure: the view settings, and the origin (the pixel where
// the corner of the window units lies), kept with the box around the figure that zooming,
// framing and panning keep in view. Every change is worked out for a canvas of the given
// size (in pixels) on a screen whose conversion at zoom 1 is `actual`.
class FigureView {
public:
    const ViewSettings& settings() const { return settings_; }
    WindowUnits units(const WindowUnits& actual) const { return actual.atZoom(settings_.zoom).withOrigin(origin_); }

    // The box around the lines and labels, in window units.
    void setFigureBox(const QRectF& box) { figureBox_ = box; }

    // The settings as given, the zoom from the corner of the window units; turning fitting
    // on frames the figure.
    void set(const ViewSettings& settings, QSizeF canvas, const WindowUnits& actual);
    // A figure just opened with the view it came with: framed when fitting, otherwise zoomed
    // about its centre from the actual size and moved as little as it takes to bring it into
    // view.
    void present(const ViewSettings& settings, QSizeF canvas, const WindowUnits& actual);
    // The figure as it stands framed, with the other settings kept: fitted.
    void frame(QSizeF canvas, const WindowUnits& actual);
    // Zoomed keeping the figure's centre where it is on the canvas; no longer fitted.
    void zoomKeepingFigure(double zoom, const WindowUnits& actual);
    // Back to the start: zoom 1 with the corner of the window units at the canvas's.
    void showActualSize();
    // Moved by `by` pixels, no longer fitted, with some of the figure still on the canvas.
    void pan(QPointF by, QSizeF canvas, const WindowUnits& actual);

    // The same settings and origin: the canvas shows the same.
    bool showsAs(const FigureView& other) const { return settings_ == other.settings_ && origin_ == other.origin_; }

private:
    void showFramed(ViewSettings settings, QSizeF canvas, const WindowUnits& actual);
    // The figure's box in pixels under the conversion `at`.
    QRectF shownFigure(const WindowUnits& at) const;

    ViewSettings settings_;
    QPointF origin_;
    QRectF figureBox_;
};

}  // namespace fendrel
