// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace fendrel {

// The benchmarks run without a display unless QT_QPA_PLATFORM names a platform.
void useOffscreenUnlessChosen();

}  // namespace fendrel
