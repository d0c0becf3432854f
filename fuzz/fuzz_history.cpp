// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes decoded into a session of events, gestures, undos and redos on the window; at the
// end every step that can be undone is undone, which must give back the window as the load
// left it, and then redone, which must give back the window as the session left it. Undo and Redo must never
// show a dialog or draw a random number. On a broken property the session is printed as a
// fendrel-script scenario before the abort.
//
// Input layout: the load's random number as in fuzz_scenario, then one event after another,
// each starting with a byte h: h % 8 = 0 press, 1 release, 2 undo, 3 redo, otherwise an
// event encoded as fuzz_scenario reads it. Unanswered prompts are cancelled.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/form.h"
#include "fuzz/byte_reader.h"
#include "fuzz/scenario_event.h"
#include "tools/json_dump.h"
#include "tools/script_host.h"

namespace {

using namespace fendrel;

// The scripted host, except that a prompt with no answer queued is cancelled, and that
// while sealed any dialog or random draw breaks the property.
class WatchedHost : public ScriptHost {
public:
    bool sealed = false;

    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText) override {
        touched();
        try {
            return ScriptHost::inputBox(prompt, title, defaultText);
        } catch (const NoQueuedAnswer&) {
            return std::nullopt;
        }
    }
    void messageBox(std::string_view text, int buttons, std::string_view title) override {
        touched();
        ScriptHost::messageBox(text, buttons, title);
    }
    void randomize() override { touched(); }
    float rnd() override {
        touched();
        return ScriptHost::rnd();
    }

private:
    void touched() const {
        if (sealed) {
            std::fprintf(stderr, "Undo or Redo used a dialog or the random generator\n");
            std::abort();
        }
    }
};

std::string script;

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\nscenario:\n%sdump\n", what, script.c_str());
    std::abort();
}

// The window as the dump shows it, leaving out the history and the dialogs.
std::string shown(const FormState& s) { return stateJson(s); }

void undoOrRedo(Form& form, WatchedHost& host, bool undo) {
    host.sealed = true;
    if (undo) {
        form.undo();
    } else {
        form.redo();
    }
    host.sealed = false;
}

// Returns false when the byte asks for an event of the scenario target instead.
bool historyEvent(std::uint8_t selector, Form& form, WatchedHost& host) {
    switch (selector % 8) {
        case 0: form.mousePress(); script += "press 1 0 0\n"; return true;
        case 1: form.mouseRelease(); script += "release\n"; return true;
        case 2: undoOrRedo(form, host, true); script += "undo\n"; return true;
        case 3: undoOrRedo(form, host, false); script += "redo\n"; return true;
        default: return false;
    }
}

constexpr int kMaxEvents = 256;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader bytes(data, size);
    WatchedHost host;
    fuzz::Event draw;
    draw.kind = fuzz::Event::Kind::Random;
    draw.random = fuzz::decodeRandom(bytes);
    host.queueRandom(draw.random);
    script = testing::scriptLine(draw) + "\nload\n";

    Form form(host);
    form.load();
    const std::string loaded = shown(form.state());

    for (int n = 0; n < kMaxEvents && !bytes.empty(); ++n) {
        if (historyEvent(bytes.byte(), form, host)) continue;
        const fuzz::Event e = fuzz::decodeEvent(bytes);
        script += testing::scriptLine(e) + "\n";
        testing::deliver(e, form, host);
        host.takeDialogs();
    }
    form.mouseRelease();
    script += "release\n";
    const std::string last = shown(form.state());

    const std::size_t steps = form.history().undoCount();
    const std::size_t undoneBefore = form.history().redoCount();
    for (std::size_t n = 0; n < steps; ++n) undoOrRedo(form, host, true);
    require(shown(form.state()) == loaded, "undoing every step does not give back the loaded window");
    require(form.history().undoCount() == 0 && form.history().redoCount() == undoneBefore + steps,
            "undoing lost a step");
    for (std::size_t n = 0; n < steps; ++n) undoOrRedo(form, host, false);
    require(shown(form.state()) == last, "redoing every step does not give back the last window");
    return 0;
}
