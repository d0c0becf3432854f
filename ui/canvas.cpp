// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/colors.h"
#include "ui/key_mapping.h"
#include "ui/segment_clip.h"
#include "ui/window_units.h"

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

void Canvas::setScene(Color background, const PerVector<Line>& lines) {
    if (background == background_ && lines == lines_) return;
    background_ = background;
    lines_ = lines;
    update();
}

QSize Canvas::sizeHint() const {
    return WindowUnits::of(*this).toPixels(QSizeF(kClientWidth, kClientHeight)).toSize();
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(background_));
    painter.setRenderHint(QPainter::Antialiasing);
    const WindowUnits units = WindowUnits::of(*this);
    for (const Line& line : lines_) {
        // Clipped a little beyond the visible rectangle, so a cut end never shows the pen's cap.
        const double margin = 2.0 * line.width;
        const QRectF visible = QRectF(rect()).adjusted(-margin, -margin, margin, margin);
        const auto shown = clipSegment(QLineF(units.toPixels(line.x1, line.y1), units.toPixels(line.x2, line.y2)), visible);
        if (!shown) continue;
        // Width in logical pixels: the painter scales it to the device, a cosmetic pen would not.
        painter.setPen(QPen(toQColor(line.color), line.width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(*shown);
    }
    emit painted();
}

// Accepting the press keeps the implicit grab on the canvas, so a drag goes on over the
// labels and outside the window.
void Canvas::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed();
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) emit released();
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = WindowUnits::of(*this).toUnits(event->position());
    emit pointerMoved(buttonBits(event->buttons()), event->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0,
                      static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void Canvas::keyPressEvent(QKeyEvent* event) {
    if (const auto key = keyFromQt(event->key(), event->modifiers())) {
        emit keyPressed(*key);
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
