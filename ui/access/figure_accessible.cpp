// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/figure_accessible.h"

#include "app/figure_description.h"
#include "ui/access/figure_announcer.h"
#include "ui/base/qt_text.h"
#include "ui/figure/canvas.h"

namespace fendrel {

namespace {

QAccessibleInterface* figureFactory(const QString&, QObject* object) {
    if (auto* canvas = qobject_cast<Canvas*>(object)) return new FigureAccessible(*canvas);
    return nullptr;
}

}  // namespace

FigureAccessible::FigureAccessible(Canvas& canvas) : QAccessibleWidget(&canvas, QAccessible::Canvas) {
    for (Vec v : kVectors)
        children_[static_cast<size_t>(childIndex(v))] =
            QAccessible::registerAccessibleInterface(new VectorAccessible(canvas, v));
}

FigureAccessible::~FigureAccessible() {
    for (QAccessible::Id id : children_) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* FigureAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    return QAccessible::accessibleInterface(children_[static_cast<size_t>(index)]);
}

int FigureAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child) return i;
    return -1;
}

QAccessibleInterface* FigureAccessible::focusChild() const {
    if (!widget()->hasFocus()) return nullptr;
    for (int i = 0; i < childCount(); ++i)
        if (child(i)->state().selected) return child(i);
    return nullptr;
}

QString FigureAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return toQString(_(kFigureName));
    return QAccessibleWidget::text(t);
}

VectorAccessible::VectorAccessible(Canvas& canvas, Vec v) : canvas_(&canvas), vector_(v) {}

QWindow* VectorAccessible::window() const { return canvas_ ? canvas_->window()->windowHandle() : nullptr; }

QAccessibleInterface* VectorAccessible::parent() const {
    return canvas_ ? QAccessible::queryAccessibleInterface(canvas_.data()) : nullptr;
}

QString VectorAccessible::text(QAccessible::Text t) const {
    const FigureAnnouncer* figure = canvas_ ? FigureAnnouncer::of(*canvas_) : nullptr;
    if (!figure) return {};
    switch (t) {
        case QAccessible::Name: return figure->vector(vector_).name;
        case QAccessible::Description: return figure->vector(vector_).description;
        default: return {};
    }
}

QRect VectorAccessible::rect() const {
    const FigureAnnouncer* figure = canvas_ ? FigureAnnouncer::of(*canvas_) : nullptr;
    if (!figure) return {};
    const QRect area = figure->vector(vector_).area;
    return QRect(canvas_->mapToGlobal(area.topLeft()), area.size());
}

QAccessible::State VectorAccessible::state() const {
    QAccessible::State s;
    const FigureAnnouncer* figure = canvas_ ? FigureAnnouncer::of(*canvas_) : nullptr;
    if (!figure) {
        s.invalid = true;
        return s;
    }
    s.focusable = true;
    s.selectable = true;
    s.selected = figure->vector(vector_).selected;
    s.focused = s.selected && canvas_->hasFocus();
    s.invisible = !canvas_->isVisible();
    return s;
}

void installFigureAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&figureFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace fendrel
