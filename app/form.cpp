// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form.h"

#include "app/element_table.h"
#include "app/initial_form.h"
#include "app/lesson.h"
#include "app/lesson_file.h"
#include "app/load_handler.h"
#include "app/task_check.h"
#include "app/unit_of_measure.h"
#include "interaction/mouse_drag.h"
#include "interaction/selection.h"
#include "model/translation.h"

namespace fendrel {

namespace {

// 'The lesson "PATH" could not be opened: there is no such file.'
void reportFailure(Host& host, std::string_view message, std::string_view title, const std::string& path,
                   const LessonError& e) {
    host.messageBox(fill(_(message), {{"file", path}, {"reason", e.what()}}), kWarningIcon, _(title));
}

}  // namespace

Form::Form(Host& host) : host_(host), state_(initialForm()) {}

template <class Handler>
void Form::guarded(Handler handler) {
    FormState before = state_;
    handler();
    if (!coordinatesInRange(state_)) state_ = std::move(before);
}

template <class Event>
void Form::step(Event event, bool inRange) {
    closeGesture();
    FormState before = state_;
    event();
    if (inRange && !coordinatesInRange(state_)) {
        state_ = std::move(before);
        return;
    }
    history_.record(std::move(before), state_);
}

void Form::closeGesture() {
    if (!gestureStart_) return;
    history_.record(std::move(*gestureStart_), state_);
    gestureStart_.reset();
}

void Form::load() { formLoad(state_, host_); }

void Form::mouseMove(int button, int shift, float x, float y) {
    // The left button drags the selected tip, which the task may keep from the student.
    if (button == 1 && state_.vars.selected && !mayChange(*state_.vars.selected)) return;
    const auto move = [&] { formMouseMove(state_, button, shift, x, y); };
    if (gestureStart_) {
        guarded(move);
    } else {
        step(move, true);
    }
}

void Form::mousePress() {
    if (!gestureStart_) gestureStart_ = state_;
}

void Form::mouseRelease() { closeGesture(); }

void Form::clickLabel(Vec v) {
    if (!mayChange(v)) {
        closeGesture();
        return;
    }
    step([&] { labelClick(state_, v); });
}

void Form::clickMenu(Menu m) {
    const Element& e = element(m);
    if (!e.handler || !state_.enabled(m) || (e.parent && !state_.enabled(*e.parent)) || !mayChoose(m)) {
        closeGesture();
        return;
    }
    if (e.is(kReport)) {
        closeGesture();
        FormState shown = this->shown();
        e.handler(shown, host_, e.vector);
        return;
    }
    step([&] { e.handler(state_, host_, e.vector); }, e.is(kGuarded));
}

void Form::key(Key k) {
    step([&] { formKey(state_, k, changeable(state_, progress_)); }, true);
}

void Form::check() {
    closeGesture();
    if (!taskOpen(state_, progress_)) return;
    std::optional<Verdict> verdict = checkTask(state_, host_);
    if (!verdict) return;
    ++progress_.attempts;
    progress_.feedback = std::move(verdict->lines);
    if (!verdict->allRight) return;
    progress_.solved = true;
    progress_.feedback.push_back(solvedText(progress_.attempts));
}

void Form::reveal() {
    closeGesture();
    if (taskOpen(state_, progress_) && state_.task->reveal) progress_.revealed = true;
}

void Form::setTask(std::optional<Task> task) {
    closeGesture();
    if (task == state_.task) return;
    step([&] { state_.task = std::move(task); });
    progress_ = {};
}

void Form::chooseUnit() {
    closeGesture();
    // TRANSLATORS: the title of the prompt for the unit of the reference scale, and of the
    // message that refuses one.
    const std::string_view title = _("Unit of Measure");
    // TRANSLATORS: asks for the unit every length is shown in while a vector is the reference
    // vector, written after each value below the figure ("A= 30 N").
    const auto typed = host_.inputBox(_("Unit of the reference scale, such as N or m/s (empty for none):"), title, state_.unit);
    if (!typed) return;
    const std::optional<std::string> unit = unitOfMeasure(*typed);
    if (!unit) {
        // TRANSLATORS: {count} is the most characters a unit may have.
        host_.messageBox(fill(_("A unit has at most {count} characters and no line breaks or other control characters."),
                              {{"count", std::to_string(kMaxUnitCharacters)}}),
                         kWarningIcon, title);
        return;
    }
    step([&] { state_.unit = *unit; });
}

void Form::newLesson() {
    closeGesture();
    state_ = initialForm();
    formLoad(state_, host_);
    history_.clear();
    fileName_.reset();
    progress_ = {};
}

bool Form::save(const std::string& path, const std::optional<ViewSettings>& view) {
    closeGesture();
    try {
        writeLessonFile(path, lessonText(state_, view));
    } catch (const LessonError& e) {
        // TRANSLATORS: {file} is the file's path, {reason} one of the reasons below.
        reportFailure(host_, N_("The lesson \"{file}\" could not be saved: {reason}."), N_("Save Lesson"), path, e);
        return false;
    }
    history_.markSaved();
    fileName_ = path;
    return true;
}

std::optional<Form::Opened> Form::open(const std::string& path, Opening how) {
    closeGesture();
    try {
        Lesson lesson = lessonFromText(readLessonFile(path));
        state_ = std::move(lesson.state);
        history_.clear();
        fileName_ = how == Opening::AsItsFile ? std::optional(path) : std::nullopt;
        progress_ = {};
        return Opened{lesson.view};
    } catch (const LessonError& e) {
        // TRANSLATORS: {file} is the file's path, {reason} one of the reasons below.
        reportFailure(host_, N_("The lesson \"{file}\" could not be opened: {reason}."), N_("Open Lesson"), path, e);
        return std::nullopt;
    }
}

void Form::undo() {
    closeGesture();
    history_.undo(state_);
}

void Form::redo() {
    closeGesture();
    history_.redo(state_);
}

}  // namespace fendrel
