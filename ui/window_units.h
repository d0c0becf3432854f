// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>

class QWidget;

namespace fendrel {

// Window units are 1440 per inch of the screen's logical resolution; pixels here are
// logical (device-independent) pixels.
class WindowUnits {
public:
    WindowUnits(double dpiX, double dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}
    // The resolution of the screen the widget is on.
    static WindowUnits of(const QWidget& w);

    QPointF toPixels(double x, double y) const { return {x * dpiX_ / kPerInch, y * dpiY_ / kPerInch}; }
    QSizeF toPixels(QSizeF units) const { return {units.width() * dpiX_ / kPerInch, units.height() * dpiY_ / kPerInch}; }
    QPointF toUnits(QPointF pixels) const { return {pixels.x() * kPerInch / dpiX_, pixels.y() * kPerInch / dpiY_}; }

private:
    static constexpr double kPerInch = 1440.0;
    double dpiX_, dpiY_;
};

}  // namespace fendrel
