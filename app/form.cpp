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

void Form::load() { formLoad(state_, host_); }

void Form::mouseMove(int button, int shift, float x, float y) {
    guarded([&] { formMouseMove(state_, button, shift, x, y); });
}

void Form::clickLabel(Vec v) { labelClick(state_, v); }

void Form::clickMenu(Menu m) {
    const Element& e = element(m);
    if (!e.handler || !state_.enabled(m) || (e.parent && !state_.enabled(*e.parent))) return;
    if (e.is(kGuarded))
        guarded([&] { e.handler(state_, host_, e.vector); });
    else
        e.handler(state_, host_, e.vector);
}

}  // namespace fendrel
