// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure_framing.h"

#include <algorithm>

#include <QWidget>

#include "ui/view_settings.h"

namespace fendrel {

namespace {

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

}  // namespace

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

QPointF originShowing(QPointF units, QPointF at, const WindowUnits& scale) {
    return at - scale.withOrigin({}).toPixels(units.x(), units.y());
}

Framing framing(const QRectF& box, QSizeF canvas, const WindowUnits& actual) {
    const QSizeF full = actual.toPixels(box.size());
    const double zoom = fittingZoom(canvas.width() - 2 * kFramingMargin, canvas.height() - 2 * kFramingMargin,
                                    full.width(), full.height());
    return {zoom, originShowing(box.center(), QPointF(canvas.width() / 2, canvas.height() / 2), actual.atZoom(zoom))};
}

QPointF bringingIntoView(QPointF origin, const QRectF& shown, QSizeF canvas) {
    return origin + QPointF(shiftBringing(shown.left(), shown.right(), canvas.width()),
                            shiftBringing(shown.top(), shown.bottom(), canvas.height()));
}

QPointF keepingSomeInView(QPointF origin, const QRectF& shown, QSizeF canvas) {
    return origin + QPointF(shiftKeeping(shown.left(), shown.right(), canvas.width()),
                            shiftKeeping(shown.top(), shown.bottom(), canvas.height()));
}

}  // namespace fendrel
