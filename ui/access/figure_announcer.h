// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include "app/figure_marks.h"
#include "model/state.h"

namespace fendrel {

class Canvas;

// What the canvas tells assistive technology about the vectors, taken from the window's
// state after every event. Changes are announced once the canvas has repainted, so a drag
// that outruns the screen sends at most one change per repaint.
class FigureAnnouncer : public QObject {
    Q_OBJECT

public:
    struct Vector {
        QString name;
        QString description;
        bool selected = false;
        QRect area;  // the arrow's bounding box on the canvas, in pixels
    };

    // Becomes a child of the canvas; the canvas's accessible node reads from it.
    explicit FigureAnnouncer(Canvas& canvas);
    static const FigureAnnouncer* of(const QObject& canvas);

    // Takes the state and what the view draws of it besides the arrows.
    void render(const FormState& s, const FigureMarks& drawn);
    const Vector& vector(Vec v) const { return shown_[v]; }

private:
    void announceChanges();
    void announceFocus(bool hasFocus);

    Canvas& canvas_;
    PerVector<Vector> shown_;
    PerVector<Vector> announced_;
};

}  // namespace fendrel
