// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "tools/script_host.h"

namespace fendrel::testing {

// The scripted host of a generated session, with two differences: a prompt with no answer
// queued is cancelled (and counted, so that the session's script can queue the cancel), and
// while sealed any dialog or random draw is noted.
class SessionHost : public ScriptHost {
public:
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText) override {
        touch();
        try {
            return ScriptHost::inputBox(prompt, title, defaultText);
        } catch (const NoQueuedAnswer&) {
            ++cancels_;
            return std::nullopt;
        }
    }
    void messageBox(std::string_view text, int buttons, std::string_view title) override {
        touch();
        ScriptHost::messageBox(text, buttons, title);
    }
    void randomize() override {
        touch();
        ScriptHost::randomize();
    }
    float rnd() override {
        touch();
        return ScriptHost::rnd();
    }

    // Runs `action` sealed; false when it showed a dialog or drew a random number.
    template <class Action>
    bool sealedRun(Action action) {
        sealed_ = true;
        touched_ = false;
        action();
        sealed_ = false;
        return !touched_;
    }

    // The prompts cancelled since the last call.
    int takeCancels() { return std::exchange(cancels_, 0); }

private:
    void touch() { touched_ = touched_ || sealed_; }

    bool sealed_ = false;
    bool touched_ = false;
    int cancels_ = 0;
};

}  // namespace fendrel::testing
