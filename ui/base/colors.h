// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include "model/state.h"

namespace fendrel {

// The window logic keeps colours with red in the low byte and blue in the high byte.
inline QColor toQColor(Color c) {
    return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu), static_cast<int>((c >> 16) & 0xFFu));
}

}  // namespace fendrel
