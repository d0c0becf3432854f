// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/state.h"

namespace fendrel {

// The window as it is created, before its load handler runs.
FormState initialForm();

}  // namespace fendrel
