// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>

#include "model/state.h"
#include "tests/support/events.h"

namespace fendrel::testing {

// What the refresh writes that the user reads: every caption and tooltip and the
// per-window variables except the drag selection, which label clicks change on their own.
struct Shown {
    PerMenu<std::string> menuCaptions;
    PerVector<std::string> labelCaptions, tooltips;
    Vars vars;

    friend bool operator==(const Shown&, const Shown&) = default;
};

// The invariants of the window state, checked after the load and after every event.
//
// Shape, always: every number finite, every end point within the coordinate limit, every
// label on its line's tip, every tail where the layout puts it.
//
// Captions: a handler that ends with the quantity refresh must leave a state that a
// further refresh would not change. Handlers without a refresh (figure drag, label clicks,
// lock and Mode items, the two reports) may legitimately leave captions that a fresh
// refresh would write differently (a figure drag re-rounds every end point; a Mode item
// moves B without re-measuring it), so they are held to something else: they must not
// change what the last refresh showed at all. Hence `shown_`, what the window showed after
// the last event that ran a refresh; every other event must leave it as it is. A refreshing
// event that changed nothing (a cancelled prompt, a move rejected by the range guard) is
// held to the same rule; a press, a release, a save and queueing an answer or a random
// number change nothing at all, and neither do Check and Reveal. Undo and Redo bring back a
// window already checked, and what it showed; File › New is held to what the load is held
// to, and opening a lesson file must give back the window as it was saved (when nothing was
// saved yet there is no file, and the window stays as it was).
//
// R = A + B: after an event that ran a refresh and moved a tip, R's extent equals A's plus
// B's up to single precision; except after component entry for B, which moves R's tip
// along the edited axis only, so that the other axis may still be as start-up laid it out
// (R not quite A + B).
class SessionChecker {
public:
    // The state right after the load handler: empty, or what is wrong with it.
    std::string checkLoaded(const FormState& s);

    // The state after the event, given the state before it: empty, or what is wrong.
    std::string checkEvent(const Event& e, const FormState& before, const FormState& after);

    // The window where the history begins (after the load, File › New or an opening), as the
    // dump shows it: undoing every step must give it back.
    const std::string& historyStart() const { return historyStart_; }

    // A lesson file that is there from the start, with the window it opens as.
    void knowLesson(const std::string& path, const FormState& s);

private:
    std::string checkOpened(const std::string& path, const FormState& before, const FormState& after);

    Shown shown_;
    std::string historyStart_;
    std::map<std::string, std::string> saved_;  // each lesson file's window, as the dump shows it
};

}  // namespace fendrel::testing
