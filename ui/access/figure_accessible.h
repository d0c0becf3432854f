// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include "model/elements.h"

namespace fendrel {

class Canvas;

// The canvas as assistive technology sees it: a drawing named "Vectors" whose three
// children are the vectors, each described by what its menu shows.
class FigureAccessible : public QAccessibleWidget {
public:
    explicit FigureAccessible(Canvas& canvas);
    ~FigureAccessible() override;

    int childCount() const override { return static_cast<int>(children_.size()); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

private:
    std::array<QAccessible::Id, 3> children_{};
};

// One vector of the figure: named "Vector A", "Vector B" or "Vector R"; selected (and
// focused while the canvas has the focus) when the keys move it.
class VectorAccessible : public QAccessibleInterface {
public:
    VectorAccessible(Canvas& canvas, Vec v);

    bool isValid() const override { return !canvas_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override;

private:
    QPointer<Canvas> canvas_;
    Vec vector_;
};

// The position of a vector's node among the figure's children: A, B, R.
inline int childIndex(Vec v) { return v == Vec::A ? 0 : v == Vec::B ? 1 : 2; }

// Makes the canvas's accessible node a FigureAccessible; installed once, before any query.
void installFigureAccessibleFactory();

}  // namespace fendrel
