// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

namespace fendrel {

// The user's settings, kept from one run to the next: ~/.config/fendrel/fendrel.conf, or none
// when that is something else than a file: reading a named pipe or a device would wait for
// ever, and writing one would feed it.
std::optional<QString> settingsFile();

}  // namespace fendrel
