// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>

class QWidget;

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

}  // namespace fendrel
