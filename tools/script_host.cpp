// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script_host.h"

namespace fendrel {

std::optional<std::string> ScriptHost::inputBox(std::string_view prompt, std::string_view title,
                                                std::string_view defaultText) {
    dialogs_.push_back({DialogRecord::Kind::Prompt, std::string(prompt), std::string(title), std::string(defaultText), 0});
    if (answers_.empty()) throw NoQueuedAnswer(std::string(title));
    auto answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void ScriptHost::messageBox(std::string_view text, int buttons, std::string_view title) {
    dialogs_.push_back({DialogRecord::Kind::Message, std::string(text), std::string(title), {}, buttons});
}

float ScriptHost::rnd() {
    if (randoms_.empty()) return 0.0f;
    const float v = randoms_.front();
    randoms_.pop_front();
    return v;
}

}  // namespace fendrel
