// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "commands/host.h"

namespace fendrel {

// One dialog as the window showed it.
struct DialogRecord {
    enum class Kind { Prompt, Message } kind;
    std::string text;         // the prompt text or the message
    std::string title;
    std::string defaultText;  // prompts only
    int buttons = 0;          // messages only
};

// Raised when a prompt is shown with no answer queued, so a repeating prompt cannot hang.
struct NoQueuedAnswer : std::runtime_error {
    explicit NoQueuedAnswer(const std::string& title)
        : std::runtime_error("input prompt \"" + title + "\" has no queued answer") {}
};

// The host of the scenario driver: prompts take queued answers, message boxes are recorded
// and closed at once, and random numbers come from a queue (0 once it is empty).
class ScriptHost : public Host {
public:
    void queueAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
    void queueRandom(float v) { randoms_.push_back(v); }
    std::vector<DialogRecord> takeDialogs() { return std::exchange(dialogs_, {}); }

    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText) override;
    void messageBox(std::string_view text, int buttons, std::string_view title) override;
    void randomize() override {}
    float rnd() override;

private:
    std::deque<std::optional<std::string>> answers_;
    std::deque<float> randoms_;
    std::vector<DialogRecord> dialogs_;
};

}  // namespace fendrel
