// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/figure_announcer.h"

#include <QAccessible>

#include "app/figure_description.h"
#include "ui/access/figure_accessible.h"
#include "ui/base/qt_text.h"
#include "ui/figure/canvas.h"
#include "ui/figure/figure_view.h"

namespace fendrel {

namespace {

QAccessibleInterface* nodeOf(const Canvas& canvas, Vec v) {
    QAccessibleInterface* figure = QAccessible::queryAccessibleInterface(const_cast<Canvas*>(&canvas));
    return figure ? figure->child(childIndex(v)) : nullptr;
}

void send(QAccessibleInterface* node, QAccessible::Event type) {
    QAccessibleEvent event(node, type);
    QAccessible::updateAccessibility(&event);
}

void sendStates(QAccessibleInterface* node, bool selected, bool focused) {
    QAccessible::State changed;
    changed.selected = selected;
    changed.focused = focused;
    QAccessibleStateChangeEvent event(node, changed);
    QAccessible::updateAccessibility(&event);
}

bool announces(const FigureAnnouncer::Vector& now, const FigureAnnouncer::Vector& before) {
    return now.description != before.description || now.selected != before.selected;
}

}  // namespace

FigureAnnouncer::FigureAnnouncer(Canvas& canvas) : QObject(&canvas), canvas_(canvas) {
    installFigureAccessibleFactory();
    connect(&canvas, &Canvas::painted, this, &FigureAnnouncer::announceChanges);
    connect(&canvas, &Canvas::focusChanged, this, &FigureAnnouncer::announceFocus);
}

const FigureAnnouncer* FigureAnnouncer::of(const QObject& canvas) {
    return canvas.findChild<const FigureAnnouncer*>(QString(), Qt::FindDirectChildrenOnly);
}

void FigureAnnouncer::render(const FormState& s, const FigureMarks& drawn) {
    const WindowUnits units = canvas_.units();
    for (Vec v : kVectors) {
        const Line& l = s.line(v);
        const QPointF tail = units.toPixels(l.x1, l.y1);
        const QPointF tip = units.toPixels(l.x2, l.y2);
        shown_[v] = {toQString(vectorName(v)), toQString(vectorDescription(s, v, drawn)), isSelected(s, v),
                     QRectF(tail, tip).normalized().toAlignedRect()};
    }
    for (Vec v : kVectors) {
        if (announces(shown_[v], announced_[v])) {
            canvas_.update();  // the repaint announces
            return;
        }
    }
}

void FigureAnnouncer::announceChanges() {
    const bool focused = canvas_.hasFocus();
    for (Vec v : kVectors) {
        const Vector &now = shown_[v], &before = announced_[v];
        QAccessibleInterface* node = nodeOf(canvas_, v);
        if (!node) continue;
        if (now.description != before.description) send(node, QAccessible::DescriptionChanged);
        if (now.selected != before.selected) {
            sendStates(node, true, focused);
            if (now.selected && focused) send(node, QAccessible::Focus);
        }
    }
    announced_ = shown_;
}

void FigureAnnouncer::announceFocus(bool hasFocus) {
    for (Vec v : kVectors) {
        if (!announced_[v].selected) continue;
        QAccessibleInterface* node = nodeOf(canvas_, v);
        if (!node) continue;
        sendStates(node, false, true);
        if (hasFocus) send(node, QAccessible::Focus);
    }
}

}  // namespace fendrel
