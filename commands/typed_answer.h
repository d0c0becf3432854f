// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "commands/host.h"
#include "model/numbers.h"

// Reading what the user types into a prompt.
namespace fendrel {

// A typed number, with the decimal separator of the language in use or a point.
Reading readReply(std::string_view reply);

// Asks for a number. Nothing when the prompt is cancelled or the reply is empty; nothing
// either when the reply is no number or too large to hold, after a message box (titled as
// the prompt) has said so.
std::optional<double> askNumber(Host& host, std::string_view prompt, std::string_view title,
                                std::string_view defaultText = {});

}  // namespace fendrel
