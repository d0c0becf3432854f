// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "fuzz/scenario_event.h"
#include "model/state.h"

namespace fendrel::fuzz {

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
// held to the same rule, and queueing an answer or a random number changes nothing at all.
//
// R = A + B: after an event that ran a refresh and moved a tip, R's extent equals A's plus
// B's up to single precision; except after component entry for B, which moves R's tip
// along the edited axis only, so that the other axis may still be as start-up laid it out
// (R not quite A + B).
class ScenarioChecker {
public:
    // The state right after the load handler: empty, or what is wrong with it.
    std::string checkLoaded(const FormState& s);

    // The state after the event, given the state before it: empty, or what is wrong.
    std::string checkEvent(const Event& e, const FormState& before, const FormState& after);

private:
    Shown shown_;
};

}  // namespace fendrel::fuzz
