// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/form.h"
#include "model/elements.h"
#include "tools/script_host.h"

// The events the generated-session tests drive the window with: the random-event test and
// the fuzzers decode them from bytes (event_decoder.h), a session delivers and checks them.
namespace fendrel::testing {

// One thing the user or the host does to the window: anything `Form` takes (a pointer move,
// press or release, a click on a label or on a menu element, a key, Undo, Redo, File › New,
// Save and Open, Check and Reveal), or an answer or random number queued for a later prompt
// or draw.
struct Event {
    enum class Kind { Move, Press, Release, LabelClick, MenuClick, KeyPress, Undo, Redo, New, Save, Open,
                      Check, Reveal, Reply, Cancel, Random };

    Kind kind = Kind::Move;
    int button = 0;  // Move
    float x = 0, y = 0;
    Vec label = Vec::A;        // LabelClick
    Menu menu = Menu::Info;    // MenuClick
    std::string key;           // KeyPress: its name as the driver reads it ("Ctrl+Left")
    std::string text;          // Reply; Save and Open: the lesson file's path
    float random = 0;          // Random, in [0, 1)
};

// Delivers the event; an empty answer queue at a prompt throws NoQueuedAnswer.
void deliver(const Event& e, Form& form, ScriptHost& host);

// Whether the event's handler ends with the quantity refresh (when it does anything).
bool endsWithRefresh(const Event& e);

// Component entry for B: moves R's tip along the edited axis only.
bool movesOneAxisOfR(const Event& e);

// A press, a release, a save, a check, a reveal, or a queued answer or random number:
// nothing the window holds changes (a queued answer or number waits for a prompt or a draw
// to take it; the task's progress is no part of the window's state).
bool leavesStateAsItIs(const Event& e);

// The event as a line of a fendrel-script scenario (control bytes of a reply as \xNN).
std::string scriptLine(const Event& e);

}  // namespace fendrel::testing
