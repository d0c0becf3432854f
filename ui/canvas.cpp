// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/canvas.h"

#include <algorithm>
#include <utility>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "ui/arrow_head.h"
#include "ui/colors.h"
#include "ui/figure_framing.h"
#include "ui/grid_painter.h"
#include "ui/grid_spacing.h"
#include "ui/key_mapping.h"
#include "ui/segment_clip.h"

namespace fendrel {

namespace {

constexpr double kClientWidth = 11340;  // window units at start
constexpr double kClientHeight = 8160;

// 1 left, 2 right, 4 middle, added up: only the left or the right button alone drags.
int buttonBits(Qt::MouseButtons buttons) {
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) + (buttons.testFlag(Qt::RightButton) ? 2 : 0) +
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

}  // namespace

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The right button drags the figure; it opens no menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // A click anywhere on the figure, its labels included, gives it the keyboard.
    setFocusPolicy(Qt::StrongFocus);
}

void Canvas::setScene(Color background, const PerVector<Line>& lines, double captionScale) {
    if (background == background_ && lines == lines_ && captionScale == captionScale_) return;
    background_ = background;
    lines_ = lines;
    captionScale_ = captionScale;
    update();
}

void Canvas::setView(const ViewSettings& view) {
    if (view.fitToWindow && !view_.fitToWindow)
        showFramed(view);
    else
        showView(view, origin_);
}

// Shown once, from where the figure stands at actual size, so that opening paints once.
void Canvas::present(const ViewSettings& view) {
    if (view.fitToWindow) {
        showFramed(view);
        return;
    }
    const WindowUnits actual = WindowUnits::of(*this, 1.0), zoomed = actual.atZoom(view.zoom);
    const QPointF centre = figureBox_.center();
    const QPointF origin = originShowing(centre, actual.toPixels(centre.x(), centre.y()), zoomed);
    showView(view, bringingIntoView(origin, shownFigure(zoomed.withOrigin(origin)), size()));
}

void Canvas::zoomKeepingFigure(double zoom) {
    const QPointF centre = figureBox_.center();
    const WindowUnits now = units();
    ViewSettings view = view_;
    view.zoom = zoom;
    view.fitToWindow = false;
    showView(view, originShowing(centre, now.toPixels(centre.x(), centre.y()), now.atZoom(zoom)));
}

void Canvas::showActualSize() {
    ViewSettings view = view_;
    view.zoom = 1.0;
    view.fitToWindow = false;
    showView(view, QPointF());
}

void Canvas::showView(const ViewSettings& view, QPointF origin) {
    if (view == view_ && origin == origin_) return;
    view_ = view;
    origin_ = origin;
    update();
    emit viewChanged();
}

void Canvas::frameFigure() { showFramed(view_); }

void Canvas::keepFitted() {
    if (view_.fitToWindow) frameFigure();
}

void Canvas::showFramed(ViewSettings view) {
    const Framing framed = framing(figureBox_, size(), units().atZoom(1.0));
    view.zoom = framed.zoom;
    view.fitToWindow = true;
    showView(view, framed.origin);
}

// A pan leaves the view as it stands, no longer fitted, and some of the figure in sight.
void Canvas::pan(QPointF by) {
    ViewSettings view = view_;
    view.fitToWindow = false;
    showView(view, keepingSomeInView(origin_ + by, shownFigure(units().withOrigin(origin_ + by)), size()));
}

QRectF Canvas::shownFigure(const WindowUnits& at) const {
    return {at.toPixels(figureBox_.left(), figureBox_.top()), at.toPixels(figureBox_.size())};
}

QSize Canvas::sizeHint() const {
    return WindowUnits::of(*this, 1.0).toPixels(QSizeF(kClientWidth, kClientHeight)).toSize();
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const WindowUnits units = this->units();
    paintBackground(painter, units);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Line& line : lines_) {
        // Width in logical pixels: the painter scales it to the device, a cosmetic pen would not.
        const double width = units.zoomed(line.width);
        const QPointF tail = units.toPixels(line.x1, line.y1), tip = units.toPixels(line.x2, line.y2);
        const auto head = view_.arrowHeads ? arrowHead(tail, tip, width) : std::nullopt;
        // Clipped a little beyond the visible rectangle, so a cut end never shows its round end.
        const double margin = 2.0 * width;
        const QRectF visible = QRectF(rect()).adjusted(-margin, -margin, margin, margin);
        const QColor colour = toQColor(line.color);
        if (const auto shown = clipSegment(QLineF(tail, head ? head->base : tip), visible)) {
            painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(*shown);
            // Round ends as discs: a wide stroke with round caps takes the painter's slow path.
            // A cut end lies beyond the visible rectangle, and a head covers the shaft's end.
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(shown->p1(), width / 2, width / 2);
            if (!head) painter.drawEllipse(shown->p2(), width / 2, width / 2);
        }
        if (head && visible.intersects(head->triangle.boundingRect())) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawPolygon(head->triangle);
        }
    }
    emit painted();
}

// The grid's lines go through the origin, A's tail, in the unit the captions show.
void Canvas::paintBackground(QPainter& painter, const WindowUnits& units) {
    const QPointF unitsPerPixel = units.toUnits(QPointF(1, 1));
    const auto spacing = view_.grid ? gridSpacing(std::max(unitsPerPixel.x(), unitsPerPixel.y()), captionScale_) : std::nullopt;
    if (!spacing) {
        painter.fillRect(rect(), toQColor(background_));
        return;
    }
    const Line& a = lines_[Vec::A];
    paintGrid(painter, QRectF(rect()), units.toPixels(a.x1, a.y1), units.toPixels(*spacing, *spacing), toQColor(background_));
}

// A window the teacher resizes is framed again while fitting.
void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    keepFitted();
}

// Accepting the press keeps the implicit grab on the canvas, so a drag goes on over the
// labels and outside the window. The middle button alone pans the view; the figure never
// hears of it.
void Canvas::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (panningFrom_) return;  // other buttons wait until the pan is over
    if (event->buttons() == Qt::MiddleButton) {
        panningFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    emit pressed();
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton) return;
    if (panningFrom_) {
        panningFrom_.reset();
        unsetCursor();
        return;
    }
    emit released();
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    if (panningFrom_) {
        if (event->buttons() == Qt::MiddleButton) pan(event->position() - *std::exchange(panningFrom_, event->position()));
        return;
    }
    const QPointF at = units().toUnits(event->position());
    emit pointerMoved(buttonBits(event->buttons()), event->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0,
                      static_cast<float>(at.x()), static_cast<float>(at.y()));
}

// The wheel scrolls the view up and down, sideways with Shift.
void Canvas::wheelEvent(QWheelEvent* event) {
    constexpr double kPixelsPerNotch = 40;
    QPointF by = event->pixelDelta().isNull() ? QPointF(event->angleDelta()) * kPixelsPerNotch / 120 : QPointF(event->pixelDelta());
    if (event->modifiers().testFlag(Qt::ShiftModifier) && by.x() == 0) by = QPointF(by.y(), 0);
    pan(by);
    event->accept();
}

// Alt with an arrow pans an eighth of the canvas; the arrows alone are the figure's.
void Canvas::keyPressEvent(QKeyEvent* event) {
    if (const auto key = keyFromQt(event->key(), event->modifiers())) {
        emit keyPressed(*key);
        return;
    }
    if (event->modifiers() == Qt::AltModifier) {
        const int dx = width() / 8, dy = height() / 8;  // whole pixels keep the lines crisp
        switch (event->key()) {
            case Qt::Key_Left: pan(QPoint(dx, 0)); return;
            case Qt::Key_Right: pan(QPoint(-dx, 0)); return;
            case Qt::Key_Up: pan(QPoint(0, dy)); return;
            case Qt::Key_Down: pan(QPoint(0, -dy)); return;
            default: break;
        }
    }
    QWidget::keyPressEvent(event);
}

void Canvas::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit focusChanged(true);
}

void Canvas::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    emit focusChanged(false);
}

bool Canvas::focusNextPrevChild(bool) { return false; }

}  // namespace fendrel
