// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdio>
#include <functional>
#include <string>

#include "app/form.h"
#include "tests/support/byte_reader.h"
#include "tests/support/session_checker.h"
#include "tests/support/session_host.h"

namespace fendrel::testing {

// A window driven by events decoded from bytes (event_decoder.h) and checked after each by
// the session checker; its lesson file lies in a temporary directory of the process's own,
// and is not there when the session starts; the task examples, as built, are opened
// too. The random-event test and the fuzzers run the window through it. Every event goes into `script()`, a fendrel-script scenario that
// replays the session, and, given a `trace` file, is written there before it is delivered
// (for sessions that end in a crash; a prompt the trace leaves unanswered was cancelled).
class Session {
public:
    explicit Session(ByteReader& bytes, std::FILE* trace = nullptr);

    // What a session checks besides the checker's invariants: "" or what is wrong.
    using Check = std::function<std::string(const FormState&)>;

    // Loads the window with the random number the first bytes give, then runs the events the
    // next ones give until they run out or `maxEvents` ran: "" or the first thing wrong.
    std::string play(int maxEvents, const Check& alsoAfterEachEvent = {});

    // Closes an open gesture, undoes every step, which must give back the window where the
    // history began, then redoes them, which must give back the window as it was; neither
    // may show a dialog or draw a random number: "" or what is wrong.
    std::string undoAndRedoAll();

    const std::string& script() const { return script_; }

private:
    std::string run(const Event& e);

    ByteReader& bytes_;
    std::FILE* trace_;
    std::string lessonFile_;
    std::array<std::string, 3> taskLessons_;
    SessionHost host_;
    Form form_{host_};
    SessionChecker checker_;
    std::string script_;
};

}  // namespace fendrel::testing
