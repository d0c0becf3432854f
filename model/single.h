// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace fendrel {

// A double-precision result written to a line end point, which holds single precision.
// Values beyond the float range become infinite; the handlers' range guard rejects them.
inline float single(double v) { return static_cast<float>(v); }

}  // namespace fendrel
