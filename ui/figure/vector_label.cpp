// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/vector_label.h"

#include <QMouseEvent>

#include "ui/base/colors.h"
#include "ui/base/qt_text.h"
#include "ui/figure/figure_view.h"

namespace fendrel {

VectorLabel::VectorLabel(QWidget* canvas) : QLabel(canvas) {
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void VectorLabel::render(const Label& label, const WindowUnits& units) {
    if (shown_ != label || shownZoom_ != units.zoom()) {
        QFont font(QStringLiteral("Trebuchet MS"));
        font.setPointSizeF(units.zoomed(label.size));
        font.setBold(label.bold);
        setFont(font);
        QPalette colors = palette();
        colors.setColor(QPalette::Window, toQColor(label.backColor));
        colors.setColor(QPalette::WindowText, toQColor(label.foreColor));
        setPalette(colors);
        setToolTip(toQString(label.tooltip));
        setText(toQString(label.caption));
        adjustSize();
        shown_ = label;
        shownZoom_ = units.zoom();
    }
    move(units.toPixels(label.left, label.top).toPoint());
}

// Accepted, so neither the press nor the moves after it reach the canvas below.
void VectorLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void VectorLabel::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void VectorLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace fendrel
