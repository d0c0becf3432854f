// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/task_authoring.h"

#include "app/lesson.h"
#include "model/refresh.h"

namespace fendrel {

Goal goalAsShown(const FormState& s, Vec v, Goal::Form form) {
    const ShownValues shown = shownValues(s, v);
    Goal g;
    g.form = form;
    g.magnitude = shown.magnitude;
    g.angle = shown.direction;
    g.radians = s.vars.radMode;
    g.components = shown.components;
    return g;
}

Task taskFromFigure(const FormState& s) {
    Task t;
    t.vector = Vec::R;
    t.goal = goalAsShown(s, Vec::R, Goal::Form::Polar);
    t.movable[Vec::B] = true;
    return t;
}

std::optional<std::string> taskProblem(FormState figure, const Task& t) {
    // The one judge of a task is the lesson reader: the figure with the task, written and read.
    figure.task = t;
    try {
        lessonFromText(lessonText(figure, std::nullopt));
    } catch (const LessonError& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

}  // namespace fendrel
