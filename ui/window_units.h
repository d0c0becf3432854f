// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>

class QWidget;

namespace fendrel {

// Window units are 1440 per inch of the screen's logical resolution, times the view's zoom;
// pixels here are logical (device-independent) pixels. Painting, the pointer, line widths
// and label fonts all go through this one conversion.
class WindowUnits {
public:
    WindowUnits(double dpiX, double dpiY, double zoom) : dpiX_(dpiX * zoom), dpiY_(dpiY * zoom), zoom_(zoom) {}
    // The resolution of the screen the widget is on, at the given zoom.
    static WindowUnits of(const QWidget& w, double zoom);

    QPointF toPixels(double x, double y) const { return {x * dpiX_ / kPerInch, y * dpiY_ / kPerInch}; }
    QSizeF toPixels(QSizeF units) const { return {units.width() * dpiX_ / kPerInch, units.height() * dpiY_ / kPerInch}; }
    QPointF toUnits(QPointF pixels) const { return {pixels.x() * kPerInch / dpiX_, pixels.y() * kPerInch / dpiY_}; }
    // A size given for the actual size (a line width in pixels, a font in points) as shown.
    double zoomed(double atActualSize) const { return atActualSize * zoom_; }
    double zoom() const { return zoom_; }

private:
    static constexpr double kPerInch = 1440.0;
    double dpiX_, dpiY_;
    double zoom_;
};

}  // namespace fendrel
