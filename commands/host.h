// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fendrel {

inline constexpr int kWarningIcon = 48;
inline constexpr int kInformationIcon = 64;

// What the window logic asks of the system it runs on beyond its own state: the modal
// input prompt, the modal message box and the random generator.
class Host {
public:
    virtual ~Host() = default;

    // Shows the prompt and waits; the typed text, or nothing when the user cancels.
    virtual std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                                std::string_view defaultText) = 0;

    // Shows the message and waits until it is closed. The character 13 breaks lines;
    // buttons 0 is a lone OK button, kInformationIcon or kWarningIcon adds that icon.
    virtual void messageBox(std::string_view text, int buttons, std::string_view title) = 0;

    virtual void randomize() = 0;  // seed from the time of day
    virtual float rnd() = 0;       // next uniform number in [0, 1)
};

}  // namespace fendrel
