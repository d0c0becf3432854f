// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "app/history.h"
#include "commands/host.h"
#include "interaction/keyboard.h"
#include "model/state.h"

namespace fendrel {

// The window's logic behind its events: the real window and the scenario driver both
// deliver every event here, and nowhere else, and render what `state()` holds afterwards.
// A menu click runs what the element table gives for that element. Each event that
// changes what the window shows is one step of the history, except the moves between a
// press and a release, which together form one.
class Form {
public:
    explicit Form(Host& host);

    void load();
    void mouseMove(int button, int shift, float x, float y);
    // A button went down (a press while a gesture is open changes nothing) / every button
    // went up. Nothing in the figure changes.
    void mousePress();
    void mouseRelease();
    void clickLabel(Vec v);
    // Items of a disabled menu cannot be chosen, and a title with items only opens.
    void clickMenu(Menu m);
    // Neither shows a dialog or draws a random number.
    void undo();
    void redo();
    // A key pressed while the figure has the keyboard focus.
    void key(Key k);

    const FormState& state() const { return state_; }
    // The steps of an open gesture are not counted until it closes.
    const History& history() const { return history_; }

private:
    // Runs one handler; if it left any end point non-finite or beyond the coordinate
    // limit, the whole state goes back to what it was before the event.
    template <class Handler>
    void guarded(Handler handler);

    // Runs one event as a step of its own, after closing an open gesture. With `inRange`,
    // the snapshot the step keeps is also the range guard's: an event that left an end
    // point out of range is undone, and so is no step.
    template <class Event>
    void step(Event event, bool inRange = false);
    void closeGesture();

    Host& host_;
    FormState state_;
    History history_;
    std::optional<FormState> gestureStart_;  // the state at the press of an open gesture
};

}  // namespace fendrel
