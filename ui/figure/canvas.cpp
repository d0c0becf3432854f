// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/canvas.h"

#include <utility>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "ui/figure/key_mapping.h"

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

void Canvas::setScene(Scene scene) {
    if (scene == scene_) return;
    scene_ = std::move(scene);
    update();
}

template <class Change>
void Canvas::changeView(Change change) {
    const FigureView before = view_;
    change(view_);
    if (view_.showsAs(before)) return;
    update();
    emit viewChanged();
}

void Canvas::setView(const ViewSettings& view) {
    changeView([&](FigureView& v) { v.set(view, size(), actualSize()); });
}

// Shown once, from where the figure stands at actual size, so that opening paints once.
void Canvas::present(const ViewSettings& view) {
    changeView([&](FigureView& v) { v.present(view, size(), actualSize()); });
}

void Canvas::zoomKeepingFigure(double zoom) {
    changeView([&](FigureView& v) { v.zoomKeepingFigure(zoom, actualSize()); });
}

void Canvas::showActualSize() {
    changeView([](FigureView& v) { v.showActualSize(); });
}

void Canvas::frameFigure() {
    changeView([&](FigureView& v) { v.frame(size(), actualSize()); });
}

void Canvas::keepFitted() {
    if (view().fitToWindow) frameFigure();
}

void Canvas::pan(QPointF by) {
    changeView([&](FigureView& v) { v.pan(by, size(), actualSize()); });
}

QSize Canvas::sizeHint() const { return actualSize().toPixels(QSizeF(kClientWidth, kClientHeight)).toSize(); }

void Canvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintScene(painter, QRectF(rect()), scene_, view(), units());
    emit painted();
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
    if (const auto arrow = arrowFromQt(event->key()); arrow && event->modifiers() == kPanModifier) {
        // The figure moves against the arrow, as the view moves with it; whole pixels keep
        // the lines crisp.
        pan(QPoint(-arrow->dx * (width() / 8), -arrow->dy * (height() / 8)));
        return;
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
