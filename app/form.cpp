// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form.h"

#include "app/element_table.h"
#include "app/window_description.h"
#include "interaction/mouse_drag.h"
#include "interaction/selection.h"

namespace fendrel {

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
    step([&] { labelClick(state_, v); });
}

void Form::clickMenu(Menu m) {
    const Element& e = element(m);
    if (!e.handler || !state_.enabled(m) || (e.parent && !state_.enabled(*e.parent))) {
        closeGesture();
        return;
    }
    step([&] { e.handler(state_, host_, e.vector); }, e.is(kGuarded));
}

void Form::key(Key k) {
    step([&] { formKey(state_, k); }, true);
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
